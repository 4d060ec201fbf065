#include "platform/widgets/TControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/threads/EventGuard.h"
#include "platform/widgets/TWinControl.h"

namespace {
Qt::CursorShape CursorShapeOf(TCursor cursor) {
  switch (cursor) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crNo: return Qt::ForbiddenCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
  }
}

bool KnownButton(Qt::MouseButton button) {
  return button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton;
}
}  // namespace

TControl::TControl(QWidget* parent) : QWidget(parent) {
  m_font.OnChange = [this](TObject*) {
    m_parentFont = false;
    Perform(CM_FONTCHANGED);
  };
  setMouseTracking(true);
  if (parent != nullptr) {
    setVisible(true);
  }
}

TControl::~TControl() { m_font.OnChange = nullptr; }

void TControl::ApplyHint() { setToolTip(m_showHint ? m_hint : QString()); }

void TControl::SetHint(const QString& hint) {
  m_hint = hint;
  ApplyHint();
}

void TControl::SetShowHint(bool value) {
  m_showHint = value;
  ApplyHint();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == m_cursor) {
    return;
  }
  m_cursor = cursor;
  if (cursor == crDefault) {
    unsetCursor();
  } else {
    setCursor(CursorShapeOf(cursor));
  }
}

void TControl::SetEnabled(bool value) {
  if (!StoreIfChanged(m_enabled, value)) {
    return;
  }
  setEnabled(value);
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetVisible(bool value) {
  if (!StoreIfChanged(m_visible, value)) {
    return;
  }
  setVisible(value);
  Perform(CM_VISIBLECHANGED, value ? 1 : 0);
  if (m_align != TAlign::alNone) {
    RealignParent();
  }
}

QPoint TControl::ParentOrigin() const {
  const TWinControl* parent = Parent();
  return parent != nullptr ? parent->ChildOrigin() : QPoint();
}

void TControl::SetBounds(int left, int top, int width, int height) {
  const QPoint origin = ParentOrigin();
  const QRect wanted(left + origin.x(), top + origin.y(), std::max(width, 0), std::max(height, 0));
  if (wanted == geometry()) {
    return;
  }
  setGeometry(wanted);
  if (m_align != TAlign::alNone) {
    RealignParent();
  }
}

void TControl::SetAlign(TAlign value) {
  if (StoreIfChanged(m_align, value)) {
    AlignChanged();
    RealignParent();
  }
}

void TControl::RealignParent() {
  if (TWinControl* parent = Parent()) {
    parent->AlignControls();
  }
}

void TControl::SetCaption(const QString& value) {
  if (StoreIfChanged(m_caption, value)) {
    Perform(CM_TEXTCHANGED);
  }
}

void TControl::SetColor(TColor value) {
  m_parentColor = false;
  if (StoreIfChanged(m_color, value)) {
    Perform(CM_COLORCHANGED);
  }
}

void TControl::SetParentColor(bool value) {
  m_parentColor = value;
  if (value) {
    Perform(CM_PARENTCOLORCHANGED);
  }
}

void TControl::SetParentFont(bool value) {
  m_parentFont = value;
  if (value) {
    Perform(CM_PARENTFONTCHANGED);
  }
}

TWinControl* TControl::Parent() const { return dynamic_cast<TWinControl*>(parentWidget()); }

void TControl::SetParent(QWidget* parent) {
  setParent(parent);
  if (parent != nullptr && m_visible) {
    setVisible(true);
  }
  if (m_parentColor) {
    Perform(CM_PARENTCOLORCHANGED);
  }
  if (m_parentFont) {
    Perform(CM_PARENTFONTCHANGED);
  }
}

void TControl::BringToFront() { raise(); }
void TControl::SendToBack() { lower(); }

std::intptr_t TControl::Perform(unsigned msg, std::intptr_t wParam, std::intptr_t lParam) {
  TMessage message{msg, wParam, lParam, 0};
  WndProc(message);
  return message.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    case CM_ENABLEDCHANGED: EnabledChanged(); break;
    case CM_TEXTCHANGED: TextChanged(); break;
    case CM_COLORCHANGED: ColorChanged(); break;
    case CM_FONTCHANGED: FontChanged(); break;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); break;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); break;
    default: break;
  }
}

// Only our own controls hear it: a plain Qt child (an inner line edit) is
// no TControl, and TControl has no meta-object for findChildren to tell.
void TControl::NotifyChildControls(unsigned msg) {
  for (QObject* child : children()) {
    if (auto* control = dynamic_cast<TControl*>(child)) {
      control->Perform(msg);
    }
  }
}

void TControl::ColorChanged() {
  Invalidate();
  NotifyChildControls(CM_PARENTCOLORCHANGED);
}

void TControl::FontChanged() {
  Invalidate();
  NotifyChildControls(CM_PARENTFONTCHANGED);
}

void TControl::ParentColorChanged() {
  const auto* parent = dynamic_cast<const TControl*>(parentWidget());
  if (m_parentColor && parent != nullptr && parent->Color() != m_color) {
    m_color = parent->Color();
    Perform(CM_COLORCHANGED);
  }
}

void TControl::ParentFontChanged() {
  const auto* parent = dynamic_cast<const TControl*>(parentWidget());
  if (m_parentFont && parent != nullptr && !(parent->Font() == m_font)) {
    m_font.Assign(parent->Font());
    m_parentFont = true;
  }
}

void TControl::Click() { Raise(OnClick, this); }

void TControl::DblClick() { Raise(OnDblClick, this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) {
    OnMouseDown(this, button, shift, x, y);
  }
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) {
    OnMouseUp(this, button, shift, x, y);
  }
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) {
    OnMouseMove(this, shift, x, y);
  }
}

void TControl::Resize() { Raise(OnResize, this); }
void TControl::MouseEnter() { Raise(OnMouseEnter, this); }
void TControl::MouseLeave() { Raise(OnMouseLeave, this); }

bool TControl::event(QEvent* event) {
  bool handled = true;
  RunGuarded("TControl", [&] { handled = QWidget::event(event); });
  // A tooltip request the control leaves unanswered would travel on to
  // its parents and bring up the form's hint over every control.
  if (event->type() == QEvent::ToolTip && !event->isAccepted()) {
    QToolTip::hideText();
    event->accept();
    return true;
  }
  return handled;
}

void TControl::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) {
    return;
  }
  if (m_frame.size() != size()) {
    m_frame = QImage(size(), QImage::Format_ARGB32);
  }
  m_frame.fill(Qt::transparent);
  m_canvas.SetTarget(&m_frame);
  PrepareCanvas(m_canvas);
  PaintBackground();
  Paint();
  m_canvas.SetTarget(nullptr);
  QPainter painter(this);
  painter.drawImage(0, 0, m_frame);
}

void TControl::PrepareCanvas(TCanvas& canvas) const {
  canvas.Pen().Assign(TPen());
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(m_color == clNone ? clBtnFace : m_color);
  canvas.Font().Assign(m_font);
  // Explicit colour calls of an earlier paint must not carry over.
  canvas.SetTextColor(m_font.Color());
  canvas.SetBkColor(canvas.Brush().Color());
  canvas.SetBkMode(OPAQUE);
}

void TControl::PaintOn(TCanvas& canvas, bool background) {
  TCanvas* previous = m_activeCanvas;
  const int level = canvas.SaveDC();
  PrepareCanvas(canvas);
  m_activeCanvas = &canvas;
  if (background) {
    PaintBackground();
  } else {
    Paint();
  }
  m_activeCanvas = previous;
  canvas.RestoreDC(level);
}

void TControl::DrawOnCanvas(TCanvas& canvas, const std::function<void()>& draw) {
  TCanvas* previous = m_activeCanvas;
  m_activeCanvas = &canvas;
  draw();
  m_activeCanvas = previous;
}

void TControl::PaintBackgroundTo(TCanvas& canvas) { PaintOn(canvas, true); }

void TControl::PaintClientTo(TCanvas& canvas) { PaintOn(canvas, false); }

void TControl::mousePressEvent(QMouseEvent* event) {
  if (!KnownButton(event->button())) {
    return;
  }
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    m_clicked = true;
  }
  MouseDown(ButtonOf(event->button()), ShiftStateOf(*event), p.x(), p.y());
}

void TControl::mouseReleaseEvent(QMouseEvent* event) {
  if (!KnownButton(event->button())) {
    return;
  }
  const QPoint p = event->position().toPoint();
  const bool click = event->button() == Qt::LeftButton && m_clicked && rect().contains(p) &&
                     m_controlStyle.Contains(TControlStyleItem::csClickEvents);
  if (event->button() == Qt::LeftButton) {
    m_clicked = false;
  }
  MouseUp(ButtonOf(event->button()), ShiftStateOf(*event), p.x(), p.y());
  if (click) {
    Click();
  }
}

void TControl::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseMove(ShiftStateOf(*event), p.x(), p.y());
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!KnownButton(event->button())) {
    return;
  }
  if (!m_controlStyle.Contains(TControlStyleItem::csDoubleClicks)) {
    mousePressEvent(event);
    return;
  }
  const QPoint p = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    DblClick();
  }
  MouseDown(ButtonOf(event->button()), ShiftStateOf(*event), p.x(), p.y());
}

void TControl::enterEvent(QEnterEvent*) { Perform(CM_MOUSEENTER); }
void TControl::leaveEvent(QEvent*) { Perform(CM_MOUSELEAVE); }
void TControl::resizeEvent(QResizeEvent*) { Resize(); }
