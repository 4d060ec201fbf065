#include "platform/files/TRzRegIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/text/IniValueText.h"

namespace {

constexpr quint32 KEY_QUERY_VALUE = 0x0001;
constexpr quint32 KEY_SET_VALUE = 0x0002;
constexpr quint32 KEY_CREATE_SUB_KEY = 0x0004;
constexpr quint32 KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr quint32 KEY_NOTIFY = 0x0010;
constexpr quint32 KEY_CREATE_LINK = 0x0020;
constexpr quint32 KEY_READ = 0x20019;
constexpr quint32 KEY_WRITE = 0x20006;
constexpr quint32 KEY_EXECUTE = 0x20019;
constexpr quint32 KEY_ALL_ACCESS = 0xF003F;

QString ChangeFileExt(const QString& path, const QString& ext) {
  const QFileInfo info(path);
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > 0 ? name.left(dot) : name;
  const QString dir = path.left(path.size() - name.size());
  return dir + stem + ext;
}

QString ExeName() { return QCoreApplication::applicationFilePath(); }

QString SpecialFolderPath(TRzSpecialFolder folder) {
  switch (folder) {
  case TRzSpecialFolder::sfUserAppDataRoaming:
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  case TRzSpecialFolder::sfUserAppDataLocal:
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  case TRzSpecialFolder::sfUserDocuments:
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  case TRzSpecialFolder::sfProgramData: {
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    const QString first = dirs.section(QLatin1Char(':'), 0, 0);
    return first.isEmpty() ? QStringLiteral("/etc/xdg") : first;
  }
  case TRzSpecialFolder::sfNone:
    break;
  }
  return {};
}

RegistryRoot RootOf(TRzRegKey key) { return RegistryRoot(0x80000000u + quint32(key)); }

TIniEncoding EncodingOf(TRzIniFileEncoding e) {
  switch (e) {
  case TRzIniFileEncoding::feUTF8:
    return TIniEncoding::Utf8;
  case TRzIniFileEncoding::feUnicode:
    return TIniEncoding::Utf16;
  case TRzIniFileEncoding::feDefault:
    break;
  }
  return TIniEncoding::Default;
}

}  // namespace

quint32 RegAccessMask(TRzRegAccess access) {
  static constexpr quint32 kRights[] = {KEY_QUERY_VALUE, KEY_SET_VALUE, KEY_CREATE_SUB_KEY, KEY_ENUMERATE_SUB_KEYS,
                                        KEY_NOTIFY,      KEY_CREATE_LINK, KEY_READ,         KEY_WRITE,
                                        KEY_EXECUTE,     KEY_ALL_ACCESS};
  quint32 mask = 0;
  for (int i = 0; i < 10; ++i) {
    if (access.Contains(TRzRegAccessItem(i))) {
      mask |= kRights[i];
    }
  }
  return mask;
}

TRzRegIniFile::TRzRegIniFile() = default;
TRzRegIniFile::~TRzRegIniFile() = default;

QString TRzRegIniFile::ResolveIniPath(QString p) const {
  if (m_specialFolder != TRzSpecialFolder::sfNone) {
    const QString base = SpecialFolderPath(m_specialFolder);
    if (!base.isEmpty()) {
      const QString folder = QDir(base).filePath(QFileInfo(p).path() == QLatin1String(".") ? QString()
                                                                                         : QFileInfo(p).path());
      QDir().mkpath(folder);
      const QString withDelimiter = QDir::cleanPath(folder) + QLatin1Char('/');
      p = withDelimiter + ChangeFileExt(p.isEmpty() ? QFileInfo(ExeName()).fileName() : QFileInfo(p).fileName(),
                                        QStringLiteral(".ini"));
    }
  }
  if (p.isEmpty()) {
    p = ChangeFileExt(ExeName(), QStringLiteral(".ini"));
  } else if (!p.contains(QLatin1Char('/'))) {
    p = QDir(QCoreApplication::applicationDirPath()).filePath(ChangeFileExt(p, QStringLiteral(".ini")));
  }
  return p;
}

void TRzRegIniFile::Open() {
  if (!m_refreshStorage) {
    return;
  }
  m_ini.reset();
  m_reg.reset();
  QString p = m_path;
  if (m_pathType == TRzPathType::ptIniFile) {
    p = ResolveIniPath(p);
    m_ini = std::make_unique<TIniFile>(p, EncodingOf(m_fileEncoding));
  } else {
    if (p.isEmpty()) {
      const QString title = QCoreApplication::applicationName();
      p = QStringLiteral("\\Software\\Temp\\") +
          (title.isEmpty() ? QFileInfo(ExeName()).completeBaseName() : title);
    }
    m_reg = std::make_unique<RegistryStore>(RootOf(m_regKey));
    if (!m_reg->KeyExists(p) && (RegAccessMask(m_regAccess) & KEY_CREATE_SUB_KEY) != 0) {
      m_reg->CreateKey(p);
    }
  }
  m_path = p;
  m_refreshStorage = false;
}

QString TRzRegIniFile::OpenedPath() {
  Open();
  return m_path;
}

QString TRzRegIniFile::KeyOf(const QString& section) const {
  if (m_path.endsWith(QLatin1Char('\\'))) {
    return m_path + section;
  }
  return m_path + QLatin1Char('\\') + section;
}

void TRzRegIniFile::Require(quint32 right, const char* what) const {
  if ((RegAccessMask(m_regAccess) & right) != right) {
    throw EIniFileException(QStringLiteral("Cannot %1 \"%2\": access denied")
                                .arg(QLatin1String(what), m_reg->FileName())
                                .toStdString());
  }
}

void TRzRegIniFile::ChangeIni(const std::function<void(TIniFile&)>& change) {
  // A change the file refuses is taken back, so store and file stay alike.
  const QString before = m_ini->Text();
  change(*m_ini);
  m_ini->SetEncoding(EncodingOf(m_fileEncoding));
  try {
    m_ini->UpdateFileOrRaise();
  } catch (const EIniFileException&) {
    m_ini->SetText(before);
    throw;
  }
}

std::optional<RegistryValue> TRzRegIniFile::ReadValue(const QString& section, const QString& name) {
  Require(KEY_QUERY_VALUE, "read");
  return m_reg->ReadValue(KeyOf(section), name);
}

void TRzRegIniFile::WriteValue(const QString& section, const QString& name, const RegistryValue& value) {
  Require(KEY_SET_VALUE, "write");
  if (!m_reg->WriteValue(KeyOf(section), name, value)) {
    throw EIniFileException(m_reg->LastError().toStdString());
  }
}

bool TRzRegIniFile::SectionExists(const QString& section) {
  Open();
  return m_ini ? m_ini->SectionExists(section) : m_reg->KeyExists(KeyOf(section));
}

bool TRzRegIniFile::ValueExists(const QString& section, const QString& name) {
  Open();
  return m_ini ? m_ini->ValueExists(section, name) : ReadValue(section, name).has_value();
}

QString TRzRegIniFile::ReadString(const QString& section, const QString& name, const QString& defaultValue) {
  Open();
  if (m_ini) {
    return m_ini->ReadString(section, name, defaultValue);
  }
  const std::optional<RegistryValue> v = ReadValue(section, name);
  if (!v) {
    return defaultValue;
  }
  return v->type == RegistryValue::kInteger ? QString::number(v->integer) : v->text;
}

void TRzRegIniFile::WriteString(const QString& section, const QString& name, const QString& value) {
  Open();
  if (m_ini) {
    ChangeIni([&](TIniFile& ini) { ini.WriteString(section, name, value); });
  } else {
    WriteValue(section, name, RegistryValue::String(value));
  }
}

int TRzRegIniFile::ReadInteger(const QString& section, const QString& name, int defaultValue) {
  Open();
  if (m_ini) {
    return m_ini->ReadInteger(section, name, defaultValue);
  }
  const std::optional<RegistryValue> v = ReadValue(section, name);
  if (v && v->type == RegistryValue::kInteger) {
    return v->integer;
  }
  bool ok = false;
  const int parsed = v ? v->text.toInt(&ok) : 0;
  return ok ? parsed : defaultValue;
}

void TRzRegIniFile::WriteInteger(const QString& section, const QString& name, int value) {
  Open();
  if (m_ini) {
    ChangeIni([&](TIniFile& ini) { ini.WriteInteger(section, name, value); });
  } else {
    WriteValue(section, name, RegistryValue::Integer(value));
  }
}

bool TRzRegIniFile::ReadBool(const QString& section, const QString& name, bool defaultValue) {
  return ReadInteger(section, name, defaultValue ? 1 : 0) != 0;
}

void TRzRegIniFile::WriteBool(const QString& section, const QString& name, bool value) {
  WriteInteger(section, name, value ? 1 : 0);
}

double TRzRegIniFile::ReadFloat(const QString& section, const QString& key, double defaultValue) {
  return IniValueText::ToFloat(ReadString(section, key, QString()), defaultValue);
}

void TRzRegIniFile::WriteFloat(const QString& section, const QString& key, double value) {
  WriteString(section, key, IniValueText::FromFloat(value));
}

QDate TRzRegIniFile::ReadDate(const QString& section, const QString& key, const QDate& defaultValue) {
  return IniValueText::ToDate(ReadString(section, key, QString()), defaultValue);
}

void TRzRegIniFile::WriteDate(const QString& section, const QString& key, const QDate& value) {
  WriteString(section, key, IniValueText::FromDate(value));
}

QTime TRzRegIniFile::ReadTime(const QString& section, const QString& key, const QTime& defaultValue) {
  return IniValueText::ToTime(ReadString(section, key, QString()), defaultValue);
}

void TRzRegIniFile::WriteTime(const QString& section, const QString& key, const QTime& value) {
  WriteString(section, key, IniValueText::FromTime(value));
}

QDateTime TRzRegIniFile::ReadDateTime(const QString& section, const QString& key, const QDateTime& defaultValue) {
  return IniValueText::ToDateTime(ReadString(section, key, QString()), defaultValue);
}

void TRzRegIniFile::WriteDateTime(const QString& section, const QString& key, const QDateTime& value) {
  WriteString(section, key, IniValueText::FromDateTime(value));
}

QByteArray TRzRegIniFile::ReadBinaryStream(const QString& section, const QString& name) {
  Open();
  if (m_ini) {
    return m_ini->ReadBinaryStream(section, name);
  }
  const std::optional<RegistryValue> v = ReadValue(section, name);
  return v && v->type == RegistryValue::kBinary ? v->bytes : QByteArray();
}

void TRzRegIniFile::WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value) {
  Open();
  if (m_ini) {
    ChangeIni([&](TIniFile& ini) { ini.WriteBinaryStream(section, name, value); });
  } else {
    WriteValue(section, name, RegistryValue::Binary(value));
  }
}

QStringList TRzRegIniFile::ReadSection(const QString& section) {
  Open();
  if (m_ini) {
    return m_ini->ReadSection(section);
  }
  Require(KEY_QUERY_VALUE, "read");
  return m_reg->ValueNames(KeyOf(section));
}

QStringList TRzRegIniFile::ReadSections() {
  Open();
  if (m_ini) {
    return m_ini->ReadSections();
  }
  Require(KEY_ENUMERATE_SUB_KEYS, "list");
  return m_reg->SubKeyNames(m_path);
}

QStringList TRzRegIniFile::ReadSectionValues(const QString& section) {
  Open();
  if (m_ini) {
    return m_ini->ReadSectionValues(section);
  }
  Require(KEY_QUERY_VALUE, "read");
  // A fresh view of the tree, as another program may have changed it.
  const RegistryStore fresh(RootOf(m_regKey));
  const QString key = KeyOf(section);
  QStringList lines;
  if (!fresh.KeyExists(key)) {
    return lines;
  }
  QStringList names = fresh.ValueNames(key);
  names.sort();
  for (const QString& name : names) {
    const RegistryValue v = *fresh.ReadValue(key, name);
    if (name.isEmpty()) {
      lines << QStringLiteral("Default=") + v.text;
    } else if (v.type == RegistryValue::kString) {
      lines << name + QLatin1Char('=') + v.text;
    } else if (v.type == RegistryValue::kInteger) {
      lines << name + QLatin1Char('=') + QString::number(v.integer);
    } else if (v.type == RegistryValue::kBinary) {
      QString line = name + QLatin1Char('=');
      for (const char byte : v.bytes) {
        line += QStringLiteral("%1 ").arg(quint8(byte), 2, 16, QLatin1Char('0')).toUpper();
      }
      lines << line;
    } else {
      lines << name + QStringLiteral("=Unknown Data Type");
    }
  }
  return lines;
}

void TRzRegIniFile::EraseSection(const QString& section) {
  Open();
  if (m_ini) {
    ChangeIni([&](TIniFile& ini) { ini.EraseSection(section); });
    return;
  }
  Require(KEY_SET_VALUE, "write");
  if (!m_reg->DeleteKey(KeyOf(section))) {
    throw EIniFileException(m_reg->LastError().toStdString());
  }
}

void TRzRegIniFile::DeleteKey(const QString& section, const QString& name) {
  Open();
  if (m_ini) {
    ChangeIni([&](TIniFile& ini) { ini.DeleteKey(section, name); });
    return;
  }
  Require(KEY_SET_VALUE, "write");
  if (!m_reg->DeleteValue(KeyOf(section), name)) {
    throw EIniFileException(m_reg->LastError().toStdString());
  }
}
