#include "plot/editor/iHandlerError.h"

#include <exception>

#include <QMessageBox>

#include "plot/base/EPlotError.h"

void RunShowingErrors(QWidget* widget, const std::function<void()>& step) {
  QString text;
  try {
    step();
    return;
  } catch (const EPlotError& error) {
    text = error.Message();
  } catch (const std::exception& error) {
    text = QString::fromUtf8(error.what());
  }
  QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, widget ? widget->window() : nullptr);
  box.exec();
}
