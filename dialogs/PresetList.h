#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

/// The rows of a preset list, apart from its view: per row the key ("F00",
/// "U01" .. "U30") and the preset name as the unit stores it, exactly 14
/// bytes in the system code page. Rows are kept apart, so no byte of a name
/// can move another row. GUI thread only.
class PresetList {
public:
  static constexpr int kNameBytes = 14;

  /// Keys U01..Uuser, after F00 when withFactory; every name "Default Preset".
  PresetList(bool withFactory, int userCount);

  int Count() const { return static_cast<int>(m_rows.size()); }
  const QString& Key(int row) const { return m_rows.at(static_cast<std::size_t>(row)).key; }
  /// The 14 name bytes of a row.
  const QByteArray& Name(int row) const { return m_rows.at(static_cast<std::size_t>(row)).name; }
  /// Replaces a row's name with name cut or padded with blanks to 14 bytes;
  /// a row outside the list is ignored.
  void SetName(int row, const QByteArray& name);
  /// The name as shown: decoded from the code page, control bytes (and
  /// zero bytes) as blanks, so it is always one line of 14 characters or
  /// fewer (a double-byte character counts once).
  QString NameText(int row) const;
  /// The row as the list's text line: 5 blanks, key, "=", 2 blanks, name.
  QString Line(int row) const;
  /// Every line joined by CR LF.
  QString Text() const;

  /// A blank-padded 14-byte name of text: as many whole characters as fit
  /// in 14 bytes in the code page (a double-byte character is never split).
  static QByteArray PaddedName(const QString& text);

private:
  struct Row {
    QString key;
    QByteArray name;
  };
  std::vector<Row> m_rows;
};
