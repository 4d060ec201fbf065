#include "dialogs/PresetList.h"

#include "platform/text/AnsiCodePage.h"

namespace {

const QByteArray kDefaultName = QByteArrayLiteral("Default Preset");

}  // namespace

PresetList::PresetList(bool withFactory, int userCount) {
  if (withFactory) {
    m_rows.push_back({QStringLiteral("F00"), kDefaultName});
  }
  for (int n = 1; n <= userCount; ++n) {
    m_rows.push_back({QStringLiteral("U%1").arg(n, 2, 10, QLatin1Char('0')), kDefaultName});
  }
}

void PresetList::SetName(int row, const QByteArray& name) {
  if (row < 0 || row >= Count()) {
    return;
  }
  QByteArray field = name.left(kNameBytes);
  field.append(kNameBytes - field.size(), ' ');
  m_rows[static_cast<std::size_t>(row)].name = field;
}

QString PresetList::NameText(int row) const {
  QByteArray shown = Name(row);
  for (char& byte : shown) {
    if (static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F) {
      byte = ' ';
    }
  }
  return AnsiToWide(shown);
}

QString PresetList::Line(int row) const {
  return QStringLiteral("     ") + Key(row) + QStringLiteral("=  ") + NameText(row);
}

QString PresetList::Text() const {
  QString text;
  for (int row = 0; row < Count(); ++row) {
    if (row > 0) {
      text += QStringLiteral("\r\n");
    }
    text += Line(row);
  }
  return text;
}

QByteArray PresetList::PaddedName(const QString& text) {
  QByteArray field = WideToAnsiField(text, kNameBytes);
  field.replace('\0', ' ');
  return field;
}
