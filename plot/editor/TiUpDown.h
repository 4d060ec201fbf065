#pragma once

#include <cstdint>

#include <QPointer>

#include "platform/threads/TTimer.h"
#include "platform/widgets/TGraphicControl.h"
#include "plot/editor/TiComponentEditorEdit.h"

/// A pair of spin buttons that steps the integer in its edit box (the
/// Associate, beside whose right edge it sits). A press on the upper half
/// steps up by Increment, anywhere else down; a held button steps once,
/// then after 500 ms 20 times a second. A user's step reaches the edit as a
/// user's edit (SetIntegerWithEvent). The value is held within Min..Max
/// unless both are 0; Min, Max and Increment are only stored. 15 x 21 when
/// new. GUI thread only.
class TiUpDown : public TGraphicControl {
public:
  explicit TiUpDown(QWidget* parent = nullptr);

  TiComponentEditorEdit* Associate() const { return m_associate; }
  void SetAssociate(TiComponentEditorEdit* edit);
  std::int16_t Min() const { return m_min; }
  void SetMin(std::int16_t value) { m_min = value; }
  std::int16_t Max() const { return m_max; }
  void SetMax(std::int16_t value) { m_max = value; }
  int Increment() const { return m_increment; }
  void SetIncrement(int value) { m_increment = value; }

  /// The edit's number; 0 without an edit.
  int AsInteger() const;
  /// Limits the value and writes it to the edit; nothing without one.
  void SetAsInteger(int value);

  void Disable();
  void Enable();

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void CalcButtonState();
  void Step();
  void TimerTick();

  TTimer m_timer;
  bool m_firstTimerMessage = false;
  QPointer<TiComponentEditorEdit> m_associate;
  std::int16_t m_min = 0;
  std::int16_t m_max = 100;
  int m_increment = 1;
  bool m_mouseDown = false;
  TPoint m_mouseAt;
  bool m_upButtonPressed = false;
  bool m_downButtonPressed = false;
  TRect m_upButtonRect;
  TRect m_downButtonRect;
  bool m_userGenerated = false;
};
