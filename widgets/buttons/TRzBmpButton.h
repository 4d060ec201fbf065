#pragma once

#include <memory>

#include "platform/widgets/TCustomControl.h"
#include "platform/widgets/TForm.h"
#include "widgets/buttons/TRzButtonBitmaps.h"
#include "widgets/common/WidgetTypes.h"

enum class TButtonLayout : unsigned char { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonStyle : unsigned char { bsAutoDetect, bsWin31, bsNew };
enum class TButtonBorder : unsigned char { bbNone, bbSingle, bbButton };
enum class TBtnSize : unsigned char { bszNeither, bszButtonToBitmap, bszStretchToButton, bszTileToButton };

/// The picture button of the forms: its face is one of the bitmaps of its
/// TRzButtonBitmaps, chosen by the draw state and drawn with the set's
/// transparent colour over the parent's image, with the caption centred on
/// it. A plain push button, an on/off toggle (a GroupIndex of its own with
/// AllowAllUp) or one of a radio group (buttons with the same GroupIndex on
/// one parent). A click hands ModalResult to the form before OnClick runs;
/// writing Down raises no event. Owned by its Qt parent; GUI thread.
class TRzBmpButton : public TCustomControl {
public:
  explicit TRzBmpButton(QWidget* parent = nullptr);
  ~TRzBmpButton() override;

  TRzButtonBitmaps& Bitmaps() { return *m_bitmaps; }
  const TRzButtonBitmaps& Bitmaps() const { return *m_bitmaps; }

  bool AllowAllUp() const { return m_allowAllUp; }
  virtual void SetAllowAllUp(bool value);
  TButtonBorder ButtonBorder() const { return m_buttonBorder; }
  virtual void SetButtonBorder(TButtonBorder value);
  TBtnSize ButtonSize() const { return m_buttonSize; }
  virtual void SetButtonSize(TBtnSize value);
  TButtonStyle ButtonStyle() const { return m_buttonStyle; }
  virtual void SetButtonStyle(TButtonStyle value);
  bool Down() const { return m_down; }
  /// The stay-down state: false without a group; a Down button without
  /// AllowAllUp cannot be released by code. Raises no event.
  virtual void SetDown(bool value);
  int CaptionDownOffset() const { return m_captionDownOffset; }
  virtual void SetCaptionDownOffset(int value);
  int GroupIndex() const { return m_groupIndex; }
  virtual void SetGroupIndex(int value);
  TButtonLayout Layout() const { return m_layout; }
  virtual void SetLayout(TButtonLayout value);
  int Margin() const { return m_margin; }
  /// Values below -1 are ignored.
  virtual void SetMargin(int value);
  bool ShowDownPattern() const { return m_showDownPattern; }
  virtual void SetShowDownPattern(bool value);
  bool ShowFocus() const { return m_showFocus; }
  virtual void SetShowFocus(bool value);
  int Spacing() const { return m_spacing; }
  virtual void SetSpacing(int value);
  TModalResult ModalResult() const { return m_modalResult; }
  void SetModalResult(TModalResult value) { m_modalResult = value; }
  /// The form's cancel button: Esc in the form clicks it (so does a
  /// ModalResult of mrCancel).
  bool Cancel() const { return m_cancel; }
  void SetCancel(bool value) { m_cancel = value; }
  TButtonState State() const { return m_state; }

  /// Hands ModalResult to the form, then fires OnClick.
  void Click() override;
  void Loaded() override;
  void WndProc(TMessage& message) override;

  /// Where the caption and (for bszNeither) the glyph go inside the inner
  /// rectangle of width x height.
  struct TButtonLayoutResult {
    TRect Caption;
    TRect Glyph;
  };
  TButtonLayoutResult CalcButtonLayout(const TRect& inner, const TBitmap* face) const;
  /// The embossed face shown for a disabled button without a Disabled bitmap.
  static void MakeDisabledFace(const TBitmap& up, TBitmap& result);

protected:
  void Paint() override;
  void PaintBackground() override {}
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DblClick() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void resizeEvent(QResizeEvent* event) override;

private:
  /// Counts living buttons; the shared stay-down pattern goes with the last.
  static void CountInstance(int delta);
  bool NewStyle() const;
  int BorderWidthOfStyle() const;
  void AdjustSize();
  void SetState(TButtonState state);
  void CompletePress(bool inside);
  void EndPress();
  bool Inside(int x, int y) const;
  const TBitmap* FaceOf(TBitmap& disabledScratch) const;
  TRect PaintBorder(TCanvas& canvas);

  int m_groupIndex = 0;
  std::unique_ptr<TRzButtonBitmaps> m_bitmaps;
  bool m_down = false;
  int m_captionDownOffset = 1;
  bool m_dragging = false;
  bool m_allowAllUp = false;
  TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
  int m_spacing = 4;
  int m_margin = -1;
  TButtonStyle m_buttonStyle = TButtonStyle::bsAutoDetect;
  TButtonBorder m_buttonBorder = TButtonBorder::bbNone;
  TBtnSize m_buttonSize = TBtnSize::bszButtonToBitmap;
  bool m_showFocus = true;
  bool m_showDownPattern = true;
  bool m_isFocused = false;
  TModalResult m_modalResult = mrNone;
  bool m_cancel = false;
  TButtonState m_state = TButtonState::bsUp;
  bool m_mouseOverButton = false;
};
