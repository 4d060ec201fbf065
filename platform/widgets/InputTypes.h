#pragma once

#include <cstdint>

#include "platform/core/TSet.h"

class QKeyEvent;
class QMouseEvent;

/// Keyboard and mouse vocabulary of the control events. Any thread.
enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

/// Virtual key codes with the platform's values.
using WORD = std::uint16_t;
constexpr WORD VK_BACK = 0x08;
constexpr WORD VK_TAB = 0x09;
constexpr WORD VK_RETURN = 0x0D;
constexpr WORD VK_SHIFT = 0x10;
constexpr WORD VK_CONTROL = 0x11;
constexpr WORD VK_MENU = 0x12;
constexpr WORD VK_ESCAPE = 0x1B;
constexpr WORD VK_SPACE = 0x20;
constexpr WORD VK_PRIOR = 0x21;
constexpr WORD VK_NEXT = 0x22;
constexpr WORD VK_END = 0x23;
constexpr WORD VK_HOME = 0x24;
constexpr WORD VK_LEFT = 0x25;
constexpr WORD VK_UP = 0x26;
constexpr WORD VK_RIGHT = 0x27;
constexpr WORD VK_DOWN = 0x28;
constexpr WORD VK_INSERT = 0x2D;
constexpr WORD VK_DELETE = 0x2E;
constexpr WORD VK_NUMPAD0 = 0x60;
constexpr WORD VK_MULTIPLY = 0x6A;
constexpr WORD VK_ADD = 0x6B;
constexpr WORD VK_SUBTRACT = 0x6D;
constexpr WORD VK_DECIMAL = 0x6E;
constexpr WORD VK_DIVIDE = 0x6F;
constexpr WORD VK_F1 = 0x70;

/// The virtual key of a Qt key event (0 for keys without one): letters and
/// digits are their upper-case ASCII codes, keypad digits VK_NUMPAD0 + n.
WORD VirtualKeyOf(const QKeyEvent& event);
/// Shift, Ctrl and Alt of a key event.
TShiftState ShiftStateOf(const QKeyEvent& event);
/// Modifiers and held buttons of a mouse event.
TShiftState ShiftStateOf(const QMouseEvent& event);
/// The button of a press or release; any other button counts as the left.
TMouseButton ButtonOf(Qt::MouseButton button);
