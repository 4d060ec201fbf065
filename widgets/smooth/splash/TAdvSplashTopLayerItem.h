#pragma once

#include <memory>

#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "platform/widgets/TControl.h"
#include "widgets/smooth/splash/TSplashCollection.h"

class TGDIPFill;

enum class TAdvSmoothSplashScreenLocation {
  cpTopLeft, cpTopCenter, cpTopRight, cpCenterLeft, cpCenterCenter, cpCenterRight,
  cpBottomLeft, cpBottomCenter, cpBottomRight, cpCustom
};

/// The markup text of a top layer item with its place, font, link colour
/// and shadow. Every change raises OnChange (the item repaints the splash).
class TAdvSplashHTMLText : public TObject {
public:
  TAdvSplashHTMLText() { m_font.OnChange = [this](TObject*) { Raise(OnChange, this); }; }

  void Assign(const TAdvSplashHTMLText& source);

  QString Text() const { return m_text; }
  void SetText(const QString& value) { Store(m_text, value); }
  TAdvSmoothSplashScreenLocation Location() const { return m_location; }
  void SetLocation(TAdvSmoothSplashScreenLocation value) { Store(m_location, value); }
  int Top() const { return m_top; }
  void SetTop(int value) { Store(m_top, value); }
  int Left() const { return m_left; }
  void SetLeft(int value) { Store(m_left, value); }
  TColor URLColor() const { return m_urlColor; }
  void SetURLColor(TColor value) { Store(m_urlColor, value); }
  TColor ShadowColor() const { return m_shadowColor; }
  void SetShadowColor(TColor value) { Store(m_shadowColor, value); }
  int ShadowOffset() const { return m_shadowOffset; }
  void SetShadowOffset(int value) { Store(m_shadowOffset, value); }
  TFont& Font() { return m_font; }
  const TFont& Font() const { return m_font; }

  TNotifyEvent OnChange;

private:
  template <typename T>
  void Store(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      Raise(OnChange, this);
    }
  }

  TColor m_urlColor = clBlue;
  int m_shadowOffset = 5;
  TFont m_font;
  QString m_text;
  TColor m_shadowColor = clGray;
  TAdvSmoothSplashScreenLocation m_location = TAdvSmoothSplashScreenLocation::cpTopLeft;
  int m_top = 0;
  int m_left = 0;
};

/// A filled rectangle with a markup text laid over the splash screen's
/// content, placed by Align (alNone items paint nothing). Every change,
/// creation and destruction raises the collection's OnChange. Owned by its
/// collection. GUI thread only.
class TAdvSplashTopLayerItem : public TObject {
public:
  explicit TAdvSplashTopLayerItem(TSplashCollection<TAdvSplashTopLayerItem>& collection);
  ~TAdvSplashTopLayerItem() override;

  void Assign(const TAdvSplashTopLayerItem& source);

  bool Visible() const { return m_visible; }
  void SetVisible(bool value) { Store(m_visible, value); }
  int Top() const { return m_top; }
  void SetTop(int value) { Store(m_top, value); }
  int Left() const { return m_left; }
  void SetLeft(int value) { Store(m_left, value); }
  int Width() const { return m_width; }
  void SetWidth(int value) { Store(m_width, value); }
  int Height() const { return m_height; }
  void SetHeight(int value) { Store(m_height, value); }
  TAlign Align() const { return m_align; }
  void SetAlign(TAlign value) { Store(m_align, value); }
  TAdvSplashHTMLText& HTMLText() { return m_htmlText; }
  const TAdvSplashHTMLText& HTMLText() const { return m_htmlText; }
  TGDIPFill& Fill() { return *m_fill; }
  const TGDIPFill& Fill() const { return *m_fill; }

private:
  template <typename T>
  void Store(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      m_collection.Changed();
    }
  }

  TSplashCollection<TAdvSplashTopLayerItem>& m_collection;
  TAlign m_align = TAlign::alCustom;
  TAdvSplashHTMLText m_htmlText;
  int m_width = 100;
  bool m_visible = true;
  int m_top = 0;
  int m_height = 100;
  int m_left = 0;
  std::unique_ptr<TGDIPFill> m_fill;
};

using TAdvSplashTopLayerItems = TSplashCollection<TAdvSplashTopLayerItem>;
