#pragma once

#include "platform/drawing/TColor.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/trackbar/TTrackBarFace.h"

enum class TTrackButtonShape { bsRound, bsRectangle };

/// The minimum and maximum step buttons: visibility, size, shape, colours
/// and pictures by state, the repeat timing of a held button and the step.
/// A minimum or maximum picture sets Size from its size; while one is set,
/// writing Size does nothing. Owned by its track bar. GUI thread only.
class TTrackBarButtons : public TTrackBarFace {
public:
  TTrackBarButtons();

  TGDIPPicture& MinPicture() { return m_minPicture; }
  TGDIPPicture& MinPictureHot() { return m_minPictureHot; }
  TGDIPPicture& MinPictureDown() { return m_minPictureDown; }
  TGDIPPicture& MaxPicture() { return m_maxPicture; }
  TGDIPPicture& MaxPictureHot() { return m_maxPictureHot; }
  TGDIPPicture& MaxPictureDown() { return m_maxPictureDown; }
  int InitRepeatPause() const { return m_initRepeatPause; }
  void SetInitRepeatPause(int v) { m_initRepeatPause = v; }
  int RepeatPause() const { return m_repeatPause; }
  void SetRepeatPause(int v) { m_repeatPause = v; }
  bool RepeatClick() const { return m_repeatClick; }
  void SetRepeatClick(bool v) { m_repeatClick = v; }
  bool RotateText() const { return m_rotateText; }
  void SetRotateText(bool v) { Set(m_rotateText, v); }
  bool Visible() const { return m_visible; }
  void SetVisible(bool v) { Set(m_visible, v); }
  int Size() const { return m_size; }
  void SetSize(int v);
  TTrackButtonShape Shape() const { return m_shape; }
  void SetShape(TTrackButtonShape v) { Set(m_shape, v); }
  int Spacing() const { return m_spacing; }
  void SetSpacing(int v) { Set(m_spacing, v); }
  int Step() const { return m_step; }
  void SetStep(int v) { m_step = v; }

  /// Takes Size from the minimum (or else maximum) picture; notifies.
  void ButtonsPictureChanged();
  void Assign(const TObject* source);

private:
  bool m_visible = false;
  TGDIPPicture m_maxPictureHot;
  TGDIPPicture m_maxPictureDown;
  TGDIPPicture m_minPicture;
  TGDIPPicture m_maxPicture;
  TGDIPPicture m_minPictureHot;
  TGDIPPicture m_minPictureDown;
  TTrackButtonShape m_shape = TTrackButtonShape::bsRound;
  bool m_repeatClick = true;
  int m_initRepeatPause = 400;
  int m_repeatPause = 100;
  int m_size = 20;
  int m_spacing = 2;
  int m_step = 1;
  bool m_rotateText = true;
};
