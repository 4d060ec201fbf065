#pragma once

#include "platform/drawing/TColor.h"
#include "platform/text/TFont.h"
#include "platform/core/TObject.h"
#include "platform/core/TRect.h"

/// The rectangle of the splash screen's list lines.
class TListItemsRect : public TObject {
public:
  int Left() const { return m_left; }
  void SetLeft(int value) { m_left = value; }
  int Top() const { return m_top; }
  void SetTop(int value) { m_top = value; }
  int Width() const { return m_width; }
  void SetWidth(int value) { m_width = value; }
  int Height() const { return m_height; }
  void SetHeight(int value) { m_height = value; }
  TRect GetRect() const { return TRect{m_left, m_top, m_left + m_width, m_top + m_height}; }

  TNotifyEvent OnChange;

private:
  int m_height = 200;
  int m_left = 30;
  int m_width = 300;
  int m_top = 150;
};

/// How the splash screen lays out and draws its list lines: their
/// rectangle, the gap between lines and the markup's font, link colour and
/// shadow. Plain properties. Owned by the splash component. GUI thread only.
class TSplashListItemsSettings : public TObject {
public:
  TSplashListItemsSettings() { m_htmlFont.SetName(QStringLiteral("Tahoma")); }

  void Assign(const TSplashListItemsSettings& source);

  TListItemsRect& Rect() { return m_rect; }
  const TListItemsRect& Rect() const { return m_rect; }
  int Space() const { return m_space; }
  void SetSpace(int value) { m_space = value; }
  TFont& HTMLFont() { return m_htmlFont; }
  const TFont& HTMLFont() const { return m_htmlFont; }
  TColor HTMLURLColor() const { return m_htmlUrlColor; }
  void SetHTMLURLColor(TColor value) { m_htmlUrlColor = value; }
  TColor HTMLShadowColor() const { return m_htmlShadowColor; }
  void SetHTMLShadowColor(TColor value) { m_htmlShadowColor = value; }
  int HTMLShadowOffset() const { return m_htmlShadowOffset; }
  void SetHTMLShadowOffset(int value) { m_htmlShadowOffset = value; }

  TNotifyEvent OnChange;

private:
  int m_space = 8;
  int m_htmlShadowOffset = 5;
  TColor m_htmlUrlColor = clBlue;
  TColor m_htmlShadowColor = clGray;
  TFont m_htmlFont;
  TListItemsRect m_rect;
};
