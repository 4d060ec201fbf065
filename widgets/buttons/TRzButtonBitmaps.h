#pragma once

#include "platform/pictures/TBitmap.h"
#include "platform/core/TObject.h"

/// The six faces of a bitmap button (Up, UpAndFocused, Disabled, Down,
/// StayDown, Hot) and the colour left out when they are drawn. Setting a
/// face copies the given bitmap into the set's own; every change of a face
/// or of TransparentColor raises OnChange. Owned by its button; GUI thread.
class TRzButtonBitmaps : public TObject {
public:
  TRzButtonBitmaps();
  ~TRzButtonBitmaps() override;
  TRzButtonBitmaps(const TRzButtonBitmaps&) = delete;
  TRzButtonBitmaps& operator=(const TRzButtonBitmaps&) = delete;

  TBitmap& Up() { return m_up; }
  TBitmap& UpAndFocused() { return m_upAndFocused; }
  TBitmap& Disabled() { return m_disabled; }
  TBitmap& Down() { return m_down; }
  TBitmap& StayDown() { return m_stayDown; }
  TBitmap& Hot() { return m_hot; }
  const TBitmap& Up() const { return m_up; }
  const TBitmap& UpAndFocused() const { return m_upAndFocused; }
  const TBitmap& Disabled() const { return m_disabled; }
  const TBitmap& Down() const { return m_down; }
  const TBitmap& StayDown() const { return m_stayDown; }
  const TBitmap& Hot() const { return m_hot; }

  virtual void SetUp(const TBitmap& value);
  virtual void SetUpAndFocused(const TBitmap& value);
  virtual void SetDisabled(const TBitmap& value);
  virtual void SetDown(const TBitmap& value);
  virtual void SetStayDown(const TBitmap& value);
  virtual void SetHot(const TBitmap& value);

  TColor TransparentColor() const { return m_transparentColor; }
  virtual void SetTransparentColor(TColor value);

  /// The owning button's hook.
  TNotifyEvent OnChange;

private:
  void Changed();

  TBitmap m_up;
  TBitmap m_upAndFocused;
  TBitmap m_disabled;
  TBitmap m_down;
  TBitmap m_stayDown;
  TBitmap m_hot;
  TColor m_transparentColor = clOlive;
};
