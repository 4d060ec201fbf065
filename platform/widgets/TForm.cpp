#include "platform/widgets/TForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QEventLoop>
#include <QMenuBar>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

#include "platform/threads/EventGuard.h"

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

void TForm::AttachTo(QWidget* opener) {
  QWidget* owner = opener != nullptr ? opener->window() : nullptr;
  if (owner == nullptr || owner == this) {
    return;
  }
  // Both windows exist once they have a native handle.
  winId();
  owner->winId();
  windowHandle()->setTransientParent(owner->windowHandle());
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
