#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QPointer>
#include <QString>

#include "platform/drawing/TColor.h"
#include "platform/core/TRect.h"
#include "platform/pictures/TImageList.h"
#include "platform/widgets/TCustomControl.h"
#include "widgets/gdiplus/TGDIPPicture.h"
#include "widgets/smooth/TStylePreset.h"
#include "widgets/trackbar/TTrackBarButtons.h"
#include "widgets/trackbar/TTrackBarLabel.h"
#include "widgets/trackbar/TTrackBarSlider.h"
#include "widgets/trackbar/TTrackBarThumb.h"
#include "widgets/trackbar/TTrackBarTick.h"
#include "widgets/trackbar/TrackBarDrawing.h"

class TTimer;
class TTrackHintWindow;

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TMoveOnClick { mcStep, mcMove, mcMoveSlide };

using TDrawTickEvent =
    std::function<void(TObject* Sender, TCanvas& Canvas, TPoint Location, int Position, TTickMark TickPos,
                       int& Length, TColor& Color, TColor& TextColor, QString& Text, bool& DefaultDraw)>;
using TGetTrackHintEvent = std::function<void(TObject* Sender, int Position, QString& HintStr)>;
using TGetTrackLabelEvent = std::function<void(TObject* Sender, int Position, QString& Value)>;
using TGetTickMarkTextEvent = std::function<void(TObject* Sender, int Index, QString& Value)>;

/// The graphical track bar, the fader of the forms: an integer Position
/// between Min and Max shown as a thumb on a groove, with optional ticks,
/// value label, step buttons, a value hint while dragging and a rating
/// look of repeated pictures. Every position change goes through
/// SetPosition, which raises OnChange after every accepted write (also
/// from code, and also when a value beyond the range is clamped to the
/// bound it already sits at); a write equal to Position raises nothing.
/// Written on our control base, not on a Qt slider, so no Qt signal ever
/// raises a change. Owned by its parent. GUI thread only.
class TCustomTrackBar : public TCustomControl {
public:
  explicit TCustomTrackBar(QWidget* parent = nullptr);
  ~TCustomTrackBar() override;

  int Position() const { return m_position; }
  virtual void SetPosition(int value);
  int Min() const { return m_min; }
  void SetMin(int value);
  int Max() const { return m_max; }
  void SetMax(int value);
  int PageSize() const { return m_pageSize; }
  void SetPageSize(int value) { m_pageSize = value; }
  TTrackBarOrientation Orientation() const { return m_orientation; }
  void SetOrientation(TTrackBarOrientation value);
  TMoveOnClick MoveOnClick() const { return m_moveOnClick; }
  void SetMoveOnClick(TMoveOnClick value) { m_moveOnClick = value; }
  bool ShowFocus() const { return m_showFocus; }
  void SetShowFocus(bool value) { m_showFocus = value; }
  bool TrackHint() const { return m_trackHint; }
  void SetTrackHint(bool value) { m_trackHint = value; }
  bool Transparent() const override { return m_transparent; }
  void SetTransparent(bool value);
  bool BackGroundStretched() const { return m_backGroundStretched; }
  void SetBackGroundStretched(bool value);
  TColor ColorTo() const { return m_colorTo; }
  void SetColorTo(TColor value);
  TColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(TColor value);
  AdvTrackBar::TGradientDirection Direction() const { return m_direction; }
  void SetDirection(AdvTrackBar::TGradientDirection value);
  TColor ColorDisabled() const { return m_colorDisabled; }
  void SetColorDisabled(TColor value) { m_colorDisabled = value; }
  TColor ColorDisabledTo() const { return m_colorDisabledTo; }
  void SetColorDisabledTo(TColor value) { m_colorDisabledTo = value; }
  TColor BorderColorDisabled() const { return m_borderColorDisabled; }
  void SetBorderColorDisabled(TColor value) { m_borderColorDisabled = value; }
  TGDIPPicture& BackGround() { return m_backGround; }
  TGDIPPicture& BackGroundDisabled() { return m_backGroundDisabled; }
  TGDIPPicture& RateActive() { return m_rateActive; }
  TGDIPPicture& RateInActive() { return m_rateInActive; }
  TTrackBarThumb& Thumb() { return *m_thumb; }
  TTrackBarSlider& Slider() { return *m_slider; }
  TTrackBarTick& TickMark() { return m_tickMark; }
  /// Pictures drawn at the ticks instead of lines (picture v at value v,
  /// picture 0 past the list's end); not owned: a list that is destroyed
  /// is dropped and the bar repaints.
  TImageList* TickImages() const { return m_tickImages; }
  void SetTickImages(TImageList* value);
  TTrackBarButtons& Buttons() { return m_buttons; }
  TTrackBarLabel& TrackLabel() { return m_trackLabel; }
  QString Version() const { return QStringLiteral("1.6.3.0"); }

  /// Applies a style preset to thumb, buttons, slider border and tick colour.
  void SetComponentStyle(TStylePreset style);
  /// After the properties are set: measures the tick font and takes the
  /// button and thumb geometry from their pictures.
  void Loaded() override;

  // Geometry, in client coordinates.
  TRect InnerRect() const;
  TRect TrackRect() const;
  TRect SliderRect() const;
  TRect MinButtonRect() const;
  TRect MaxButtonRect() const;
  TRect LabelRect(bool narrowed) const;
  /// The cell of a value in rating mode; (-1, -1, -1, -1) for a value at
  /// or below Min and for a cell below the track.
  TRect RatingCellRect(int value) const;
  /// The value whose rating cell holds p, if any.
  std::optional<int> RatingValueAt(TPoint p) const;
  /// The highest value whose rating cell is shown (Min when none is).
  int LastShownRatingValue() const;
  int PointerOffset() const;
  virtual TRect GetThumbRect() const;
  virtual TRect GetTopLeftTickRect() const;
  virtual TRect GetBottomRightTickRect() const;
  virtual bool CanSetThumbPointer() const { return true; }
  bool RatingMode() const { return !m_rateActive.Empty() && !m_rateInActive.Empty(); }
  /// The value a press on the groove asks for (mcMove), or Position when
  /// the track leaves no room for the thumb to move.
  int PositionFromPress(TPoint p) const;
  /// The value a drag to p asks for, keeping the grip point.
  int PositionFromDrag(TPoint p) const;
  /// What the repeat timer runs: page towards the held point or step.
  virtual void RepeatTimerTick();

  TNotifyEvent OnChange;
  TDrawTickEvent OnDrawTick;
  TGetTrackHintEvent OnGetTrackHint;
  TGetTrackLabelEvent OnGetTrackLabelText;
  TGetTickMarkTextEvent OnGetTickMarkText;

protected:
  virtual bool CanPageOnSliderClick() const { return true; }
  virtual QString GetTrackLabelText() const;
  virtual bool CanDragThumb() const { return true; }
  virtual bool IsValidPosition(int value) const { return value >= m_min && value <= m_max; }
  virtual int GetMinPosition() const { return m_min; }
  virtual int GetMaxPosition() const { return m_max; }
  virtual void StepDown();
  virtual void StepUp();
  virtual void PageTowardsPress();
  virtual int GetThumbLength() const { return m_thumb->Width(); }
  virtual void DrawSlider();
  virtual void DrawThumb();
  virtual void InvalidateTrackLabel();
  virtual void DoChange();

  void Paint() override;
  void PaintBackground() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) override;
  void DoEnter() override;
  void DoExit() override;

private:
  /// Where the rating cells lie: the track, the cell size (the larger of
  /// the two pictures) and the cells in a row.
  struct RatingGrid {
    TRect track{};
    int cellWidth = 0;
    int cellHeight = 0;
    long long perRow = 1;
  };
  RatingGrid RatingCells() const;
  void PartChanged() { Invalidate(); }
  void MeasureTickText();
  void StartRepeat();
  void StopRepeat();
  void InvalidateThumb();
  bool Vertical() const { return m_orientation == TTrackBarOrientation::trVertical; }
  int ValueFromFraction(double v) const;
  // Painting (TCustomTrackBar_Paint.cpp).
  void DrawBackground();
  void DrawTrackLabel();
  void DrawTicks();
  void DrawButtons();
  void DrawButton(bool maxButton);
  void DrawRatingCells();
  void DrawThumbShape(const TRect& r, bool down, bool hot);

  std::unique_ptr<TTrackBarThumb> m_thumb;
  std::unique_ptr<TTrackBarSlider> m_slider;
  TTrackBarTick m_tickMark;
  int m_max = 10;
  int m_min = 0;
  TTrackBarOrientation m_orientation = TTrackBarOrientation::trHorizontal;
  int m_pageSize = 1;
  int m_position = 0;
  bool m_sliding = false;
  TColor m_colorDisabled = clNone;
  QPointer<TImageList> m_tickImages;
  TColor m_colorTo = clNone;
  TColor m_borderColorDisabled = clNone;
  TColor m_borderColor = clNone;
  TColor m_colorDisabledTo = clNone;
  TGDIPPicture m_backGround;
  AdvTrackBar::TGradientDirection m_direction = AdvTrackBar::TGradientDirection::gdHorizontal;
  bool m_transparent = true;
  int m_offset = 2;
  int m_tickTextOffset = 2;
  bool m_thumbHot = false;
  bool m_thumbDown = false;
  int m_thumbCenterOffsetX = 0;
  int m_thumbCenterOffsetY = 0;
  TGDIPPicture m_rateInActive;
  TGDIPPicture m_rateActive;
  TGDIPPicture m_backGroundDisabled;
  TTrackBarButtons m_buttons;
  int m_borderWidth = 1;
  bool m_minButtonHot = false;
  bool m_minButtonDown = false;
  bool m_maxButtonHot = false;
  bool m_maxButtonDown = false;
  bool m_sliderButtonDown = false;
  TPoint m_sliderDownPt;
  int m_textHeight = 0;
  std::unique_ptr<TTimer> m_repeatTimer;
  bool m_trackHint = false;
  bool m_backGroundStretched = false;
  int m_hintTickIndex = -1;
  QPointer<TTrackHintWindow> m_trackHintWnd;
  bool m_trackHintShow = false;
  bool m_showFocus = false;
  TMoveOnClick m_moveOnClick = TMoveOnClick::mcStep;
  TTrackBarLabel m_trackLabel;
  /// The left button went down on the control and is still held.
  bool m_mouseCaptured = false;
};
