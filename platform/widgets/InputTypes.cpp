#include "platform/widgets/InputTypes.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
TShiftState ModifierState(Qt::KeyboardModifiers modifiers) {
  TShiftState state;
  if (modifiers & Qt::ShiftModifier) state.Include(TShiftStateItem::ssShift);
  if (modifiers & Qt::ControlModifier) state.Include(TShiftStateItem::ssCtrl);
  if (modifiers & Qt::AltModifier) state.Include(TShiftStateItem::ssAlt);
  return state;
}

WORD OemKey(int key) {
  switch (key) {
    case Qt::Key_Semicolon: case Qt::Key_Colon: return 0xBA;
    case Qt::Key_Equal: case Qt::Key_Plus: return 0xBB;
    case Qt::Key_Comma: case Qt::Key_Less: return 0xBC;
    case Qt::Key_Minus: case Qt::Key_Underscore: return 0xBD;
    case Qt::Key_Period: case Qt::Key_Greater: return 0xBE;
    case Qt::Key_Slash: case Qt::Key_Question: return 0xBF;
    case Qt::Key_QuoteLeft: case Qt::Key_AsciiTilde: return 0xC0;
    case Qt::Key_BracketLeft: case Qt::Key_BraceLeft: return 0xDB;
    case Qt::Key_Backslash: case Qt::Key_Bar: return 0xDC;
    case Qt::Key_BracketRight: case Qt::Key_BraceRight: return 0xDD;
    case Qt::Key_Apostrophe: case Qt::Key_QuoteDbl: return 0xDE;
    default: return 0;
  }
}
}  // namespace

WORD VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = (event.modifiers() & Qt::KeypadModifier) != 0;
  if (keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return WORD(VK_NUMPAD0 + (key - Qt::Key_0));
    switch (key) {
      case Qt::Key_Asterisk: return VK_MULTIPLY;
      case Qt::Key_Plus: return VK_ADD;
      case Qt::Key_Minus: return VK_SUBTRACT;
      case Qt::Key_Period: case Qt::Key_Comma: return VK_DECIMAL;
      case Qt::Key_Slash: return VK_DIVIDE;
      default: break;
    }
  }
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return WORD(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return WORD(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab: case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return OemKey(key);
  }
}

TShiftState ShiftStateOf(const QKeyEvent& event) { return ModifierState(event.modifiers()); }

TMouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

TShiftState ShiftStateOf(const QMouseEvent& event) {
  TShiftState state = ModifierState(event.modifiers());
  if (event.buttons() & Qt::LeftButton) state.Include(TShiftStateItem::ssLeft);
  if (event.buttons() & Qt::RightButton) state.Include(TShiftStateItem::ssRight);
  if (event.buttons() & Qt::MiddleButton) state.Include(TShiftStateItem::ssMiddle);
  if (event.type() == QEvent::MouseButtonDblClick) state.Include(TShiftStateItem::ssDouble);
  return state;
}
