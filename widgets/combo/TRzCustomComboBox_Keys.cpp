#include "widgets/combo/TRzCustomComboBox.h"

#include <algorithm>

#include <QApplication>
#include <QLineEdit>

// Typing: incremental search in the list styles, auto-completion in the
// editable ones, keyboard navigation and the mouse wheel.

namespace {
constexpr WORD kVkF4 = VK_F1 + 3;

bool IsNavigationKey(WORD key) {
  return key == VK_ESCAPE || key == VK_PRIOR || key == VK_NEXT || key == VK_END || key == VK_HOME ||
         key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

void FocusNext(QWidget* from) {
  for (QWidget* next = from->nextInFocusChain(); next != nullptr && next != from; next = next->nextInFocusChain()) {
    if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isVisible() && next->isEnabled() &&
        !from->isAncestorOf(next)) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}
}  // namespace

void TRzCustomComboBox::InvalidKey() {
  if (m_beepOnInvalidKey) {
    QApplication::beep();
  }
}

void TRzCustomComboBox::RestartSearchTimer() {
  m_timer.SetEnabled(false);
  m_timer.SetEnabled(true);
}

bool TRzCustomComboBox::SelectByPrefix(const QString& s) {
  const int found = FindClosest(s);
  if (found < 0) {
    InvalidKey();
    return false;
  }
  m_searchString = s;
  UserSelect(found);
  return true;
}

void TRzCustomComboBox::SearchKeyPress(QChar& key) {
  if (key == QLatin1Char('\b')) {
    if (m_searchString.isEmpty()) {
      InvalidKey();
      SelectByPrefix(QString());
    } else {
      m_searchString.chop(1);
      if (!m_searchString.isEmpty()) {
        SelectByPrefix(m_searchString);
      } else {
        UserSelect(0);
        m_searchString.clear();
        TCustomControl::KeyPress(key);
      }
    }
    key = QChar();
    return;
  }
  if (key.unicode() < 32) {
    TCustomControl::KeyPress(key);
    return;
  }
  m_keyCount = 1;
  if (SelectByPrefix(m_searchString + key)) {
    TCustomControl::KeyPress(key);
  }
  RestartSearchTimer();
  m_keyCount = 0;
  key = QChar();
}

void TRzCustomComboBox::KeyPress(QChar& key) {
  if (m_tabOnEnter && key == QLatin1Char('\r') && !DroppedDown()) {
    key = QChar();
    FocusNext(this);
    return;
  }
  if (m_readOnly) {
    key = QChar();
    return;
  }
  const QChar typed = key;
  if (IsListStyle()) {
    SearchKeyPress(key);
  } else {
    TCustomControl::KeyPress(key);
  }
  AutoDropDownAfter(typed);
}

void TRzCustomComboBox::AutoDropDownAfter(QChar typed) {
  if (m_autoDropDown && typed != QLatin1Char('\b') && typed != QChar(0x1B) && !DroppedDown()) {
    SetDroppedDown(true);
  }
}

void TRzCustomComboBox::KeyDown(WORD& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0) {
    return;
  }
  if (IsNavigationKey(key)) {
    m_searchString.clear();
  }
  const bool alt = shift.Contains(TShiftStateItem::ssAlt);
  if (key == kVkF4 || (alt && (key == VK_DOWN || key == VK_UP))) {
    if (!m_readOnly) {
      SetDroppedDown(!DroppedDown());
    }
    key = 0;
    return;
  }
  int target = m_itemIndex;
  switch (key) {
    case VK_UP:
    case VK_LEFT: target = std::max(m_itemIndex - 1, 0); break;
    case VK_DOWN:
    case VK_RIGHT: target = std::min(m_itemIndex + 1, Count() - 1); break;
    case VK_HOME: target = 0; break;
    case VK_END: target = Count() - 1; break;
    case VK_PRIOR: target = std::max(m_itemIndex - std::max(m_dropDownCount - 1, 1), 0); break;
    case VK_NEXT: target = std::min(m_itemIndex + std::max(m_dropDownCount - 1, 1), Count() - 1); break;
    default: return;
  }
  if (!m_readOnly && target != m_itemIndex && target >= 0) {
    UserSelect(target);
  }
  key = 0;
}

bool TRzCustomComboBox::DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) {
  if (TCustomControl::DoMouseWheel(shift, wheelDelta, mousePos) || m_readOnly) {
    return true;
  }
  m_wheelAccumulator += wheelDelta;
  while (m_wheelAccumulator >= 120) {
    m_wheelAccumulator -= 120;
    DoMouseWheelUp();
  }
  while (m_wheelAccumulator <= -120) {
    m_wheelAccumulator += 120;
    DoMouseWheelDown();
  }
  return true;
}

void TRzCustomComboBox::DoMouseWheelDown() {
  if (m_itemIndex < Count() - 1) {
    UserSelect(m_itemIndex + 1);
  }
}

void TRzCustomComboBox::DoMouseWheelUp() {
  if (m_itemIndex > 0) {
    UserSelect(m_itemIndex - 1);
  } else {
    SetItemIndex(0);
  }
}

bool TRzCustomComboBox::AutoCompleteText(const QString& s) {
  const int found = FindClosest(s);
  if (found < 0 || s.isEmpty()) {
    return false;
  }
  const int previous = m_itemIndex;
  const QString item = m_items[found];
  m_itemIndex = found;
  m_text = m_keepSearchCase ? s + item.mid(s.size()) : item;
  m_searchString = s;
  SyncEditFromSelection();
  Click();
  Change();
  SetEditSelection(int(s.size()), int(item.size() - s.size()));
  if (found != previous) {
    Raise(OnMatch, this);
  }
  return true;
}

bool TRzCustomComboBox::EditKeyDown(WORD key, TShiftState shift) {
  WORD k = key;
  TCustomControl::KeyDown(k, shift);
  if (k == 0) {
    return true;
  }
  const bool ctrl = shift.Contains(TShiftStateItem::ssCtrl);
  const bool shiftKey = shift.Contains(TShiftStateItem::ssShift);
  const bool wholeTextSelected = !m_edit.isNull() && m_edit->selectedText() == m_text;
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_UP:
    case VK_DOWN: {
      m_searchString.clear();
      if (m_readOnly) {
        return true;
      }
      WORD nav = key;
      KeyDown(nav, shift);
      return true;
    }
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_RIGHT:
      m_searchString = m_text;
      return false;
    case VK_INSERT:
      return (shiftKey && !m_allowEdit) || m_readOnly;
    case VK_DELETE:
      if (m_readOnly || (!m_allowEdit && !wholeTextSelected)) {
        return true;
      }
      return false;
    case kVkF4:
      if (!m_readOnly) {
        SetDroppedDown(!DroppedDown());
      }
      return true;
    case VK_ESCAPE:
      m_searchString.clear();
      if (DroppedDown()) {
        SetDroppedDown(false);
      }
      return true;
    case VK_RETURN:
      m_enterPressed = true;
      if (m_tabOnEnter && !DroppedDown()) {
        FocusNext(this);
        return true;
      }
      return false;
    default:
      break;
  }
  if (ctrl && (key == 'V' || key == 'X')) {
    return m_readOnly || !m_allowEdit;
  }
  return false;
}

bool TRzCustomComboBox::EditKeyPress(QChar key) {
  if (m_readOnly) {
    return true;
  }
  if (!m_autoComplete || key == QLatin1Char('\r')) {
    return false;
  }
  if (key == QLatin1Char('\b')) {
    if (m_searchString.isEmpty()) {
      InvalidKey();
      return true;
    }
    const int caret = m_edit->cursorPosition();
    if (m_edit->hasSelectedText() && caret != m_searchString.size() && m_allowEdit) {
      m_searchString = m_text;
      m_searchString.remove(m_edit->selectionStart(), m_edit->selectedText().size());
    } else if (caret == m_searchString.size() || m_edit->hasSelectedText()) {
      m_searchString.chop(1);
    } else if (m_allowEdit && caret > 0) {
      m_searchString = m_text;
      m_searchString.remove(caret - 1, 1);
    }
    Change();
    if (m_searchString.isEmpty()) {
      m_itemIndex = -1;
      m_text.clear();
      SyncEditFromSelection();
      Click();
      Change();
      return true;
    }
    if (!AutoCompleteText(m_searchString)) {
      m_text = m_searchString;
      m_itemIndex = IndexOf(m_text);
      SyncEditFromSelection();
    }
    return true;
  }
  QChar typed = key;
  TCustomControl::KeyPress(typed);
  if (typed.isNull()) {
    return true;
  }
  const bool selection = m_edit->hasSelectedText();
  if (m_style == TComboBoxStyle::csDropDown && m_maxLength > 0 && m_text.size() >= m_maxLength && !selection) {
    InvalidKey();
    return true;
  }
  const QString before = m_searchString;
  QString base = m_searchString;
  int caret = m_edit->cursorPosition();
  if (selection) {
    caret = m_edit->selectionStart();
    base.remove(caret, m_edit->selectedText().size());
  }
  caret = std::min(caret, int(base.size()));
  const QString candidate = base.left(caret) + typed + base.mid(caret);
  m_typing = true;
  const bool completed = AutoCompleteText(candidate);
  m_typing = false;
  if (completed) {
    return true;
  }
  if (m_allowEdit) {
    m_searchString = candidate;
    return false;
  }
  InvalidKey();
  m_searchString = before;
  return true;
}
