#include "dialogs/ChannelNameText.h"

#include <algorithm>

#include "platform/text/AnsiCodePage.h"

namespace ChannelNameText {

QByteArray Field(const QString& text) { return WideToAnsiField(text, kNameBytes); }

QByteArray Stored(QByteArrayView field) {
  const QByteArrayView name = field.first(std::min<qsizetype>(field.size(), kNameBytes));
  const qsizetype end = name.indexOf('\0');
  return (end < 0 ? name : name.first(end)).toByteArray();
}

QString Shown(QByteArrayView field) { return AnsiToWide(Stored(field)); }

}  // namespace ChannelNameText
