#pragma once

#include "platform/pictures/TPicture.h"
#include "platform/widgets/TGraphicControl.h"

/// A windowless control that shows a picture: at its top-left, centred
/// (Center) or stretched over the whole control (Stretch); pixels the
/// picture leaves uncovered show the parent. A changed picture repaints
/// once the owner calls PictureChanged (the picture raises no event of its
/// own). GUI thread only.
class TImage : public TGraphicControl {
public:
  explicit TImage(QWidget* parent = nullptr);

  TPicture& Picture() { return m_picture; }
  const TPicture& Picture() const { return m_picture; }
  /// Repaints after the picture was changed in place.
  void PictureChanged() { Invalidate(); }
  bool Stretch() const { return m_stretch; }
  void SetStretch(bool value);
  bool Center() const { return m_center; }
  void SetCenter(bool value);

protected:
  void Paint() override;

private:
  TPicture m_picture;
  bool m_stretch = false;
  bool m_center = false;
};
