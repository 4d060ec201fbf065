#pragma once

#include <memory>

#include "platform/pictures/TBitmap.h"
#include "platform/widgets/TGraphicControl.h"
#include "widgets/common/WidgetTypes.h"

enum class TBorderStyle : unsigned char { bsNone, bsSingle };
enum class TRzCaptionPosition : unsigned char { cpCentered, cpXY };

/// A windowless button shaped by a bitmap: the opaque part of Bitmap (its
/// transparent colour left out) gets a bevel grown outward from its outline
/// in an up and a down image; with PreciseClick the mouse is taken only over
/// the shape and passes to whatever lies beneath elsewhere. The caption is
/// centred or placed at (CaptionX, CaptionY). Owned by its Qt parent; GUI
/// thread.
class TRzShapeButton : public TGraphicControl {
public:
  explicit TRzShapeButton(QWidget* parent = nullptr);
  ~TRzShapeButton() override;

  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool value);
  int BevelWidth() const { return m_bevelWidth; }
  /// Kept within 0..2.
  virtual void SetBevelWidth(int value);
  TColor BevelHighlightColor() const { return m_bevelHighlightColor; }
  virtual void SetBevelHighlightColor(TColor value);
  TColor BevelShadowColor() const { return m_bevelShadowColor; }
  virtual void SetBevelShadowColor(TColor value);
  TBitmap& Bitmap() { return m_bitmap; }
  /// Copies the bitmap; the images are made again.
  virtual void SetBitmap(const TBitmap& value) { m_bitmap.Assign(value); }
  const TBitmap& BitmapUp() const { return m_bitmapUp; }
  const TBitmap& BitmapDown() const { return m_bitmapDown; }
  TBorderStyle BorderStyle() const { return m_borderStyle; }
  virtual void SetBorderStyle(TBorderStyle value);
  TColor BorderColor() const { return m_borderColor; }
  virtual void SetBorderColor(TColor value);
  bool PreciseClick() const { return m_preciseClick; }
  void SetPreciseClick(bool value);
  bool PreciseShowHint() const { return m_preciseShowHint; }
  void SetPreciseShowHint(bool value) { m_preciseShowHint = value; }
  TRzCaptionPosition CaptionPosition() const { return m_captionPosition; }
  virtual void SetCaptionPosition(TRzCaptionPosition value);
  int CaptionX() const { return m_captionX; }
  int CaptionY() const { return m_captionY; }
  /// Stores whichever changed and, when one did, switches to cpXY.
  virtual void SetCaptionXY(int x, int y);
  TButtonState State() const { return m_state; }

  /// True when there is no hit-test mask or the point is on the shape.
  virtual bool PtInMask(int x, int y) const;
  /// With AutoSize and a bitmap the control is the bitmap's size plus 4.
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  virtual TRect CaptionRect() const;

private:
  void RebuildImages();
  void MakeImage(TBitmap& image, bool down) const;
  void UpdateHitRegion();
  bool Hit(int x, int y) const;
  void SetState(TButtonState state);

  bool m_autoSize = true;
  int m_bevelWidth = 2;
  TColor m_bevelHighlightColor = clBtnHighlight;
  TColor m_bevelShadowColor = clBtnShadow;
  TBitmap m_bitmap;
  TBitmap m_bitmapUp;
  TBitmap m_bitmapDown;
  TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
  TColor m_borderColor = cl3DDkShadow;
  bool m_dragging = false;
  std::unique_ptr<TBitmap> m_hitTestMask;
  bool m_prevCursorSaved = false;
  TCursor m_prevCursor = crDefault;
  bool m_prevShowHintSaved = false;
  bool m_prevShowHint = false;
  bool m_preciseClick = true;
  bool m_preciseShowHint = true;
  TRzCaptionPosition m_captionPosition = TRzCaptionPosition::cpCentered;
  int m_captionX = 0;
  int m_captionY = 0;
  TButtonState m_state = TButtonState::bsUp;
};
