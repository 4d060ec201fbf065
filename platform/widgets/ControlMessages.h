#pragma once

#include <cstdint>

/// A message sent to a control with TControl::Perform or broadcast to the
/// controls of a parent with TWinControl::Broadcast; a handler stores its
/// answer in Result (a broadcast stops at the first non-zero Result).
struct TMessage {
  unsigned Msg = 0;
  std::intptr_t WParam = 0;
  std::intptr_t LParam = 0;
  std::intptr_t Result = 0;
};

/// Message numbers, with the platform's values.
constexpr unsigned WM_USER = 0x0400;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned WM_PRINTCLIENT = 0x0318;
constexpr unsigned WM_THEMECHANGED = 0x031A;
constexpr unsigned WM_GETDLGCODE = 0x0087;
constexpr unsigned WM_KEYDOWN = 0x0100;
constexpr unsigned WM_KEYUP = 0x0101;
constexpr unsigned WM_TIMER = 0x0113;

/// Answers to WM_GETDLGCODE: which keys a control keeps for itself instead
/// of letting the form use them as dialog keys and mnemonics.
constexpr std::intptr_t DLGC_WANTARROWS = 0x0001;
constexpr std::intptr_t DLGC_WANTTAB = 0x0002;
constexpr std::intptr_t DLGC_WANTALLKEYS = 0x0004;
constexpr std::intptr_t DLGC_WANTCHARS = 0x0080;

/// Notifications of the control bases (CM_BASE = 0xB000).
constexpr unsigned CM_BASE = 0xB000;
constexpr unsigned CM_ACTIVATE = CM_BASE + 0;
constexpr unsigned CM_DEACTIVATE = CM_BASE + 1;
constexpr unsigned CM_DIALOGKEY = CM_BASE + 5;
constexpr unsigned CM_DIALOGCHAR = CM_BASE + 6;
constexpr unsigned CM_FOCUSCHANGED = CM_BASE + 7;
constexpr unsigned CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr unsigned CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr unsigned CM_HITTEST = CM_BASE + 10;
constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 11;
constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr unsigned CM_COLORCHANGED = CM_BASE + 13;
constexpr unsigned CM_FONTCHANGED = CM_BASE + 14;
constexpr unsigned CM_CURSORCHANGED = CM_BASE + 15;
constexpr unsigned CM_TEXTCHANGED = CM_BASE + 18;
constexpr unsigned CM_MOUSEENTER = CM_BASE + 19;
constexpr unsigned CM_MOUSELEAVE = CM_BASE + 20;
constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 24;
constexpr unsigned CM_SHOWHINTCHANGED = CM_BASE + 25;
constexpr unsigned CM_SYSCOLORCHANGE = CM_BASE + 27;
constexpr unsigned CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr unsigned CM_HINTSHOW = CM_BASE + 48;
constexpr unsigned CM_SYSFONTCHANGED = CM_BASE + 53;
