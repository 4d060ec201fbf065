#pragma once

#include <functional>

#include "platform/widgets/TCustomControl.h"

enum class TUDOrientation : unsigned char { udVertical, udHorizontal };
enum class TUpDownDirection : unsigned char { updNone, updUp, updDown };
using TUDChangingEventEx =
    std::function<void(TObject* Sender, bool& AllowChange, short NewValue, TUpDownDirection Direction)>;

/// A pair of arrow buttons holding an integer Position in Min .. Max.
/// Before every change of Position, by an arrow (NewValue = Position +/-
/// Increment, which may lie beyond the range) or by program code assigning
/// a different value, it raises OnChangingEx; unless the handler clears
/// AllowChange it then takes NewValue clamped to Min .. Max (with Wrap, a
/// step beyond one end goes to the other). Assigning the value it holds
/// raises nothing. The up arrow is the upper (vertical) or right
/// (horizontal) half. GUI thread only.
class TUpDown : public TCustomControl {
public:
  explicit TUpDown(QWidget* parent = nullptr);

  int Min() const { return m_min; }
  int Max() const { return m_max; }
  void SetMin(int value);
  void SetMax(int value);
  int Position() const { return m_position; }
  void SetPosition(int value);
  int Increment() const { return m_increment; }
  void SetIncrement(int value) { m_increment = value; }
  bool Wrap() const { return m_wrap; }
  void SetWrap(bool value) { m_wrap = value; }
  TUDOrientation Orientation() const { return m_orientation; }
  void SetOrientation(TUDOrientation value);

  /// What a click on an arrow does.
  void Step(TUpDownDirection direction);

  TUDChangingEventEx OnChangingEx;

protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void Change(int newValue, TUpDownDirection direction);
  TRect ArrowRect(TUpDownDirection direction) const;
  void PaintArrow(TUpDownDirection direction);

  int m_min = 0;
  int m_max = 100;
  int m_position = 0;
  int m_increment = 1;
  bool m_wrap = false;
  TUDOrientation m_orientation = TUDOrientation::udVertical;
  TUpDownDirection m_pressed = TUpDownDirection::updNone;
};
