#include "tools/linksoak/SoakWindow.h"

void SoakWindow::ShowInformation(const QString& text) {
  ++messages;
  lastMessage = text;
}
