#pragma once

#include "platform/pictures/TBitmap.h"
#include "widgets/vr/TVrCustomControl.h"

/// An LED-set control that composes its face in an off-screen bitmap and
/// copies it to the screen in one block. Owned by its Qt parent; GUI thread.
class TVrCustomImageControl : public TVrCustomControl {
public:
  explicit TVrCustomImageControl(QWidget* parent = nullptr);

protected:
  /// Sizes the off-screen bitmap to the control and fills it with Color.
  virtual void ClearBitmapCanvas();
  TCanvas& BitmapCanvas() { return m_bitmapImage.Canvas(); }
  /// Draws the face into the off-screen bitmap.
  virtual void PaintImage() = 0;

  void Paint() override;
  void PaintBackground() override {}

private:
  TBitmap m_bitmapImage;
};
