#include "tools/editordriver/EditorDriver.h"

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWidget>

namespace {

/// The visible widget named `name` (in a visible window), or null.
QWidget* VisibleNamed(const QString& name) {
  for (QWidget* widget : QApplication::allWidgets()) {
    if (widget->objectName() == name && widget->isVisible() && widget->window()->isVisible()) {
      return widget;
    }
  }
  return nullptr;
}

/// True once `widget`'s window is the active one (buttons take the focus on
/// a press and act only with it); asks for it meanwhile.
bool Activated(QWidget* widget) {
  if (widget->window()->isActiveWindow()) {
    return true;
  }
  widget->window()->activateWindow();
  return false;
}

/// A left click in the middle of `widget`, handed to it directly (another
/// widget over it, or the window system, cannot take it).
void Click(QWidget* widget) {
  const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
  const QPointF global = widget->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

QAction* MenuAction(QWidget* mainWindow, const QString& name) {
  for (QMenuBar* bar : mainWindow->findChildren<QMenuBar*>()) {
    for (QAction* top : bar->actions()) {
      if (top->objectName() == name) {
        return top;
      }
      if (QMenu* menu = top->menu()) {
        // The entries of a sub-menu are made when it opens.
        Q_EMIT menu->aboutToShow();
        for (QAction* action : menu->actions()) {
          if (action->objectName() == name || action->text().remove(QLatin1Char('&')) == name) {
            return action;
          }
        }
      }
    }
  }
  return nullptr;
}

}  // namespace

EditorDriver::EditorDriver(const QString& steps) : m_steps(steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
  m_timer.setInterval(50);
  QObject::connect(&m_timer, &QTimer::timeout, this, [this] { Poll(); });
  m_timer.start();
}

void EditorDriver::Poll() {
  if (m_steps.isEmpty()) {
    m_timer.stop();
    return;
  }
  const QString step = m_steps.first();
  if (!TryStep(step)) {
    return;
  }
  std::fprintf(stderr, "driver: %s\n", qPrintable(step));
  std::fflush(stderr);
  m_steps.removeFirst();
}

bool EditorDriver::TryStep(const QString& step) {
  QWidget* link = VisibleNamed(QStringLiteral("rzbMenuLink"));
  QWidget* mainWindow = link != nullptr ? link->window() : nullptr;
  if (step == QLatin1String("link")) {
    if (link == nullptr || !link->isEnabled() || QApplication::activeModalWidget() != nullptr || !Activated(link)) {
      return false;
    }
    QTimer::singleShot(0, link, [link] { Click(link); });
    return true;
  }
  if (step.startsWith(QLatin1String("wait:"))) {
    return QFileInfo::exists(step.mid(5));
  }
  if (step == QLatin1String("close")) {
    if (mainWindow == nullptr || QApplication::activeModalWidget() != nullptr) {
      return false;
    }
    mainWindow->close();
    return true;
  }
  if (step == QLatin1String("ok")) {
    QWidget* question = VisibleNamed(QStringLiteral("lbExit"));
    QWidget* ok = question != nullptr ? question->window()->findChild<QWidget*>(QStringLiteral("btnOK")) : nullptr;
    if (ok == nullptr || !ok->isVisible() || !Activated(ok)) {
      return false;
    }
    QTimer::singleShot(0, ok, [ok] { Click(ok); });
    return true;
  }
  if (step.startsWith(QLatin1String("menu:"))) {
    QAction* action = mainWindow != nullptr ? MenuAction(mainWindow, step.mid(5)) : nullptr;
    if (action == nullptr) {
      return false;
    }
    // Queued, so that a modal dialog it opens does not hold this step.
    QTimer::singleShot(0, action, [action] { action->trigger(); });
    return true;
  }
  if (step == QLatin1String("windows")) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) {
        std::fprintf(stderr, "driver: window \"%s\" %s%s\n", qPrintable(window->windowTitle()),
                     window == QApplication::activeWindow() ? "active" : "",
                     window == QApplication::activeModalWidget() ? " modal" : "");
      }
    }
    return true;
  }
  std::fprintf(stderr, "driver: unknown step %s\n", qPrintable(step));
  m_steps.clear();
  return false;
}
