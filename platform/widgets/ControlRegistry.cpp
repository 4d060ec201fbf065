#include "platform/widgets/ControlRegistry.h"

QString ChannelSuffix(int channel) {
  if (channel >= 0 && channel <= 2) {
    return QStringLiteral("In") + QChar('A' + channel);
  }
  if (channel >= 3 && channel <= 8) {
    return QStringLiteral("Out") + QString::number(channel - 2);
  }
  return {};
}

bool ControlRegistry::Register(const QString& name, TObject* object) {
  if (name.isEmpty() || object == nullptr || m_objects.contains(name)) {
    return false;
  }
  m_objects.insert(name, object);
  return true;
}
