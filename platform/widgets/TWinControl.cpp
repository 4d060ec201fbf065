#include "platform/widgets/TWinControl.h"

#include <algorithm>

#include <QKeyEvent>
#include <QWheelEvent>

namespace {
// Tab keys are handed out in creation order (GUI thread only).
std::int64_t g_nextTabKey = 0;

bool TakesTabFocus(const QWidget& w) {
  const QWidget* target = w.focusProxy() != nullptr ? w.focusProxy() : &w;
  return (target->focusPolicy() & Qt::TabFocus) != 0;
}

void CollectTabChain(const TWinControl& control, QList<QWidget*>& chain) {
  for (TWinControl* child : control.TabList()) {
    if (TakesTabFocus(*child)) {
      chain << child;
    }
    CollectTabChain(*child, chain);
  }
}
}  // namespace

TWinControl::TWinControl(QWidget* parent) : TControl(parent), m_tabKey(g_nextTabKey++) {
  setFocusPolicy(Qt::ClickFocus);
}

QList<TWinControl*> TWinControl::TabList() const {
  QList<TWinControl*> list;
  for (QObject* child : children()) {
    if (auto* control = dynamic_cast<TWinControl*>(child)) {
      list << control;
    }
  }
  std::stable_sort(list.begin(), list.end(), [](const TWinControl* a, const TWinControl* b) { return a->m_tabKey < b->m_tabKey; });
  return list;
}

int TWinControl::TabOrder() const {
  const TWinControl* parent = Parent();
  return parent != nullptr ? int(parent->TabList().indexOf(const_cast<TWinControl*>(this))) : -1;
}

void TWinControl::SetTabOrder(int value) {
  TWinControl* parent = Parent();
  if (parent == nullptr) {
    return;
  }
  QList<TWinControl*> list = parent->TabList();
  std::int64_t base = m_tabKey;
  for (const TWinControl* sibling : list) {
    base = std::min(base, sibling->m_tabKey);
  }
  list.removeOne(this);
  list.insert(value < 0 || value > list.size() ? list.size() : value, this);
  // The siblings' keys stay below every key handed out later.
  for (qsizetype i = 0; i < list.size(); ++i) {
    list[i]->m_tabKey = base + i;
  }
  auto* top = dynamic_cast<TWinControl*>(window());
  if (top == nullptr) {
    return;
  }
  QList<QWidget*> chain;
  CollectTabChain(*top, chain);
  for (qsizetype i = 1; i < chain.size(); ++i) {
    QWidget::setTabOrder(chain[i - 1], chain[i]);
  }
}

// TControl has no meta-object of its own, so findChildren<TControl*> would
// also hand back plain Qt children (an inner line edit): test each child.
QList<TControl*> TWinControl::Controls() const {
  QList<TControl*> controls;
  for (QObject* child : children()) {
    if (auto* control = dynamic_cast<TControl*>(child)) {
      controls << control;
    }
  }
  return controls;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* child : Controls()) {
    child->WndProc(message);
    if (message.Result != 0) {
      return;
    }
  }
}

void TWinControl::NotifyControls(unsigned msg) {
  for (TControl* child : Controls()) {
    child->Perform(msg);
  }
}

void TWinControl::SetTabStop(bool value) {
  m_tabStop = value;
  setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const { return isVisible() && isEnabled(); }

void TWinControl::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TWinControl::AdjustClientRect(TRect&) const {}

void TWinControl::PaintBackground() {
  if (Color() != clNone) {
    Canvas().FillRect(ClientRect());
  }
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) {
    OnKeyDown(this, key, shift);
  }
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) {
    OnKeyUp(this, key, shift);
  }
}

void TWinControl::KeyPress(QChar& key) {
  if (OnKeyPress) {
    OnKeyPress(this, key);
  }
}

void TWinControl::DoEnter() { Raise(OnEnter, this); }
void TWinControl::DoExit() { Raise(OnExit, this); }

bool TWinControl::DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) {
  bool handled = false;
  if (OnMouseWheel) {
    OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  }
  return handled;
}

void TWinControl::WndProc(TMessage& message) {
  TControl::WndProc(message);
  if ((message.Msg == CM_DIALOGKEY || message.Msg == CM_DIALOGCHAR) && message.Result == 0) {
    Broadcast(message);
  }
}

bool TWinControl::OfferToWindow(unsigned msg, std::intptr_t value) {
  auto* top = dynamic_cast<TWinControl*>(window());
  return top != nullptr && top->Perform(msg, value) != 0;
}

void TWinControl::keyPressEvent(QKeyEvent* event) {
  WORD key = VirtualKeyOf(*event);
  if (key != 0) {
    KeyDown(key, ShiftStateOf(*event));
    if (key == 0) {
      return;
    }
  }
  const std::intptr_t wanted = Perform(WM_GETDLGCODE);
  const bool keepsAll = (wanted & DLGC_WANTALLKEYS) != 0;
  const bool arrow = key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
  const bool dialogKey = key == VK_RETURN || key == VK_ESCAPE || (key == VK_TAB && !(wanted & DLGC_WANTTAB)) ||
                         (arrow && !(wanted & DLGC_WANTARROWS));
  if (dialogKey && !keepsAll && OfferToWindow(CM_DIALOGKEY, key)) {
    return;
  }
  const QString text = event->text();
  if (text.size() != 1 || !(text[0].isPrint() || text[0] == QLatin1Char('\r') || text[0] == QLatin1Char('\b') ||
                            text[0] == QChar(0x1B))) {
    return;
  }
  QChar c = text[0];
  const bool alt = (event->modifiers() & Qt::AltModifier) != 0;
  if (c.isPrint() && (alt || !(wanted & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))) &&
      OfferToWindow(CM_DIALOGCHAR, c.unicode())) {
    return;
  }
  KeyPress(c);
}

void TWinControl::keyReleaseEvent(QKeyEvent* event) {
  WORD key = VirtualKeyOf(*event);
  if (key != 0) {
    KeyUp(key, ShiftStateOf(*event));
  }
}

void TWinControl::focusInEvent(QFocusEvent* event) {
  TControl::focusInEvent(event);
  DoEnter();
}

void TWinControl::focusOutEvent(QFocusEvent* event) {
  TControl::focusOutEvent(event);
  DoExit();
}

void TWinControl::wheelEvent(QWheelEvent* event) {
  TShiftState shift;
  if (event->modifiers() & Qt::ShiftModifier) shift.Include(TShiftStateItem::ssShift);
  if (event->modifiers() & Qt::ControlModifier) shift.Include(TShiftStateItem::ssCtrl);
  if (event->modifiers() & Qt::AltModifier) shift.Include(TShiftStateItem::ssAlt);
  if (DoMouseWheel(shift, event->angleDelta().y(), event->globalPosition().toPoint())) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  AlignControls();
}

void TWinControl::resizeEvent(QResizeEvent* event) {
  AlignControls();
  TControl::resizeEvent(event);
}

void TWinControl::AlignControls() {
  if (m_aligning) {
    return;
  }
  m_aligning = true;
  TRect r = ClientRect();
  AdjustClientRect(r);
  auto aligned = [this](TAlign align) {
    QList<TControl*> list;
    for (TControl* child : Controls()) {
      if (child->Align() == align && child->Visible()) {
        list << child;
      }
    }
    return list;
  };
  const QPoint origin = ChildOrigin();
  auto place = [origin](TControl* child, const TRect& bounds) {
    child->setGeometry(bounds.Left + origin.x(), bounds.Top + origin.y(), std::max(bounds.Width(), 0), std::max(bounds.Height(), 0));
  };
  QList<TControl*> tops = aligned(TAlign::alTop);
  std::stable_sort(tops.begin(), tops.end(), [](TControl* a, TControl* b) { return a->Top() < b->Top(); });
  for (TControl* c : tops) {
    place(c, Rect(r.Left, r.Top, r.Right, r.Top + c->Height()));
    r.Top += c->Height();
  }
  QList<TControl*> bottoms = aligned(TAlign::alBottom);
  std::stable_sort(bottoms.begin(), bottoms.end(),
                   [](TControl* a, TControl* b) { return a->Top() + a->Height() > b->Top() + b->Height(); });
  for (TControl* c : bottoms) {
    place(c, Rect(r.Left, r.Bottom - c->Height(), r.Right, r.Bottom));
    r.Bottom -= c->Height();
  }
  QList<TControl*> lefts = aligned(TAlign::alLeft);
  std::stable_sort(lefts.begin(), lefts.end(), [](TControl* a, TControl* b) { return a->Left() < b->Left(); });
  for (TControl* c : lefts) {
    place(c, Rect(r.Left, r.Top, r.Left + c->Width(), r.Bottom));
    r.Left += c->Width();
  }
  QList<TControl*> rights = aligned(TAlign::alRight);
  std::stable_sort(rights.begin(), rights.end(),
                   [](TControl* a, TControl* b) { return a->Left() + a->Width() > b->Left() + b->Width(); });
  for (TControl* c : rights) {
    place(c, Rect(r.Right - c->Width(), r.Top, r.Right, r.Bottom));
    r.Right -= c->Width();
  }
  for (TControl* c : aligned(TAlign::alClient)) {
    place(c, r);
  }
  m_aligning = false;
}
