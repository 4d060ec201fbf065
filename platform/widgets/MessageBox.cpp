#include "platform/widgets/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>

void ShowInformationMessage(QWidget* owner, const QString& text) {
  QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                  owner != nullptr ? owner->window() : nullptr);
  box.exec();
}
