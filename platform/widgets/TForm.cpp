#include "platform/widgets/TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QEventLoop>
#include <QList>
#include <QMenuBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include "platform/threads/EventGuard.h"

namespace {

/// The widget whose native window is `window`, or nullptr.
QWidget* WidgetOf(const QWindow* window) {
  if (window == nullptr) {
    return nullptr;
  }
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->windowHandle() == window) {
      return top;
    }
  }
  return nullptr;
}

/// The window that `window` stays above: its transient parent, else the
/// window of the control it belongs to (a list's popup); nullptr for none.
QWidget* OwnerWindowOf(const QWidget* window) {
  if (window->windowHandle() != nullptr) {
    if (QWidget* owner = WidgetOf(window->windowHandle()->transientParent())) {
      return owner;
    }
  }
  return window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
}

/// `window` followed by the windows it stays above, nearest first, each
/// once (a loop of owners ends where it closes).
QList<QWidget*> OwnerChain(QWidget* window) {
  QList<QWidget*> chain;
  for (QWidget* at = window; at != nullptr && !chain.contains(at); at = OwnerWindowOf(at)) {
    chain << at;
  }
  return chain;
}

}  // namespace

TForm::TForm(QWidget* parent) : TWinControl(parent) {
  setWindowFlags(Qt::Window);
  setVisible(false);
  SetVisible(false);
  m_horzScrollBar = new QScrollBar(Qt::Horizontal, this);
  m_vertScrollBar = new QScrollBar(Qt::Vertical, this);
  for (QScrollBar* bar : {m_horzScrollBar, m_vertScrollBar}) {
    bar->hide();
    connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollClient(); });
  }
}

TForm::~TForm() {
  if (m_modalLoop != nullptr) {
    m_modalLoop->quit();
  }
}

void TForm::TextChanged() {
  setWindowTitle(Caption());
  TWinControl::TextChanged();
}

void TForm::SetModalResult(TModalResult value) {
  m_modalResult = value;
  if (value != mrNone && m_modalLoop != nullptr && !m_closePending) {
    // Closed once the handler that set the result has returned.
    m_closePending = true;
    QTimer::singleShot(0, this, [this] { RunGuarded("TForm", [this] { CloseModal(); }); });
  }
}

void TForm::CloseModal() {
  m_closePending = false;
  if (m_modalLoop == nullptr || m_modalResult == mrNone) {
    return;
  }
  if (!CloseQuery() || DoClose(TCloseAction::caHide) == TCloseAction::caNone) {
    m_modalResult = mrNone;
    return;
  }
  m_modalLoop->quit();
}

TModalResult TForm::ShowModal() {
  if (m_modalLoop != nullptr) {
    return mrNone;
  }
  m_modalResult = mrNone;
  QWidget* opener = QApplication::activeModalWidget();
  if (opener == nullptr) {
    opener = QApplication::activeWindow();
  }
  AttachTo(opener);
  setWindowModality(Qt::ApplicationModal);
  SetVisible(true);
  TakeFocus();
  QEventLoop loop;
  m_modalLoop = &loop;
  loop.exec();
  m_modalLoop = nullptr;
  SetVisible(false);
  setWindowModality(Qt::NonModal);
  return m_modalResult;
}

void TForm::ShowOver(QWidget* opener) {
  AttachTo(opener);
  SetVisible(true);
  TakeFocus();
}

QWidget* TForm::OwnerFor(QWidget* opener) const {
  // The opener may be a window already gone (a dialog just closed that the
  // window system still reports active, or a list's popup): the first shown
  // window up its owners stands for it. A window this form owns, directly or
  // through others, never does: that loop of owners would send Qt's
  // modality checks round it for ever.
  for (QWidget* window : OwnerChain(opener != nullptr ? opener->window() : nullptr)) {
    const Qt::WindowType type = window->windowType();
    if (window != this && window->isVisible() && type != Qt::Popup && type != Qt::ToolTip &&
        !OwnerChain(window).contains(this)) {
      return window;
    }
  }
  return nullptr;
}

void TForm::AttachTo(QWidget* opener) {
  QWidget* owner = OwnerFor(opener);
  // Both windows exist once they have a native handle.
  winId();
  if (owner != nullptr) {
    owner->winId();
  }
  windowHandle()->setTransientParent(owner != nullptr ? owner->windowHandle() : nullptr);
}

void TForm::TakeFocus() {
  raise();
  activateWindow();
  if (focusWidget() == nullptr) {
    setFocus(Qt::ActiveWindowFocusReason);
  }
}

bool TForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) {
    OnCloseQuery(this, canClose);
  }
  return canClose;
}

TCloseAction TForm::DoClose(TCloseAction action) {
  if (OnClose) {
    OnClose(this, action);
  }
  return action;
}

void TForm::Close() {
  if (m_modalLoop != nullptr) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) {
    return;
  }
  switch (DoClose(TCloseAction::caHide)) {
    case TCloseAction::caNone:
      return;
    case TCloseAction::caMinimize:
      showMinimized();
      return;
    case TCloseAction::caFree:
      SetVisible(false);
      deleteLater();
      return;
    case TCloseAction::caHide:
      SetVisible(false);
      return;
  }
}

bool TForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    Raise(OnActivate, this);
  } else if (event->type() == QEvent::WindowDeactivate) {
    Raise(OnDeactivate, this);
  }
  return TWinControl::event(event);
}

void TForm::SetBorderStyle(TFormBorderStyle value) {
  if (StoreIfChanged(m_borderStyle, value)) {
    ApplyBorderStyle();
  }
}

void TForm::ApplyBorderStyle() {
  const bool wasVisible = isVisible();
  Qt::WindowFlags flags = Qt::Window;
  switch (m_borderStyle) {
    case TFormBorderStyle::bsNone:
      flags |= Qt::FramelessWindowHint;
      break;
    case TFormBorderStyle::bsDialog:
      flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
      flags = Qt::Tool;
      break;
    default:
      break;
  }
  setWindowFlags(flags);
  const bool fixed = m_borderStyle == TFormBorderStyle::bsSingle || m_borderStyle == TFormBorderStyle::bsDialog ||
                     m_borderStyle == TFormBorderStyle::bsToolWindow;
  if (fixed) {
    setFixedSize(size());
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  if (wasVisible) {
    setVisible(true);
  }
}

void TForm::PlaceOnShow() {
  QRect area;
  switch (m_position) {
    case TPosition::poDesigned:
      return;
    case TPosition::poScreenCenter:
      break;
    case TPosition::poMainFormCenter:
      if (QWidget* active = QApplication::activeWindow(); active != nullptr && active != this) {
        area = active->frameGeometry();
      }
      break;
    case TPosition::poOwnerFormCenter:
      if (parentWidget() != nullptr) {
        area = parentWidget()->window()->frameGeometry();
      }
      break;
  }
  if (area.isEmpty()) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
      return;
    }
    area = screen->availableGeometry();
  }
  move(area.center() - QPoint(width() / 2, height() / 2));
}

void TForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    PlaceOnShow();
  }
  TWinControl::showEvent(event);
  // Shown by QWidget::show (the program entry's way): Visible follows.
  if (!event->spontaneous() && !Visible()) {
    SetVisible(true);
  }
  DoShow();
}

void TForm::hideEvent(QHideEvent* event) {
  TWinControl::hideEvent(event);
  if (!event->spontaneous() && Visible()) {
    SetVisible(false);
  }
  DoHide();
}

void TForm::closeEvent(QCloseEvent* event) {
  // The window frame's close button (or QWidget::close) goes through Close.
  event->ignore();
  Close();
}

TForm* GetParentForm(QWidget* control) {
  return control != nullptr ? dynamic_cast<TForm*>(control->window()) : nullptr;
}
