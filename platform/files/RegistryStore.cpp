#include "platform/files/RegistryStore.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/files/WriteWholeFile.h"

namespace {
const QChar kSeparator = QLatin1Char('\\');

QString RootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return QStringLiteral("HKEY_CLASSES_ROOT");
    case RegistryRoot::CurrentUser: return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::LocalMachine: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegistryRoot::Users: return QStringLiteral("HKEY_USERS");
    case RegistryRoot::PerformanceData: return QStringLiteral("HKEY_PERFORMANCE_DATA");
    case RegistryRoot::CurrentConfig: return QStringLiteral("HKEY_CURRENT_CONFIG");
    case RegistryRoot::DynData: return QStringLiteral("HKEY_DYN_DATA");
  }
  return QStringLiteral("HKEY_UNKNOWN");
}

QString NormalPath(const QString& path) {
  return path.split(kSeparator, Qt::SkipEmptyParts).join(kSeparator);
}

QString ParentOf(const QString& normalPath) {
  const qsizetype cut = normalPath.lastIndexOf(kSeparator);
  return cut < 0 ? QString() : normalPath.left(cut);
}

bool Same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool HoldsControlCharacter(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
      return true;
    }
  }
  return false;
}

QString Quoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    switch (c.unicode()) {
      case '\\': out += QStringLiteral("\\\\"); break;
      case '"': out += QStringLiteral("\\\""); break;
      case '\n': out += QStringLiteral("\\n"); break;
      case '\r': out += QStringLiteral("\\r"); break;
      default: out += c;
    }
  }
  return out + QLatin1Char('"');
}

// Reads a quoted text starting at line[i] == '"'; i ends after the closing quote.
std::optional<QString> Unquoted(const QString& line, qsizetype& i) {
  QString out;
  for (++i; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == QLatin1Char('"')) {
      ++i;
      return out;
    }
    if (c == kSeparator) {
      if (++i == line.size()) {
        return std::nullopt;
      }
      const QChar e = line[i];
      out += e == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : e == QLatin1Char('r') ? QChar(QLatin1Char('\r')) : e;
    } else {
      out += c;
    }
  }
  return std::nullopt;
}

QString HexBytes(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toHex(','));
}

std::optional<QByteArray> BytesFromHex(QStringView text) {
  QByteArray bytes;
  if (text.isEmpty()) {
    return bytes;
  }
  for (const QStringView part : text.split(QLatin1Char(','))) {
    bool ok = false;
    const uint byte = part.size() == 2 ? part.toUInt(&ok, 16) : 0;
    if (!ok) {
      return std::nullopt;
    }
    bytes.append(char(byte));
  }
  return bytes;
}

QString DataText(const RegistryValue& value) {
  switch (value.type) {
    case RegistryValue::kString: return Quoted(value.text);
    case RegistryValue::kInteger: return QStringLiteral("dword:%1").arg(quint32(value.integer), 8, 16, QLatin1Char('0'));
    case RegistryValue::kBinary: return QStringLiteral("hex:") + HexBytes(value.bytes);
    default: return QStringLiteral("hex(%1):").arg(value.type) + HexBytes(value.bytes);
  }
}

std::optional<RegistryValue> ValueFromData(QStringView data, const QString& line, qsizetype at) {
  if (data.startsWith(QLatin1Char('"'))) {
    qsizetype i = at;
    const std::optional<QString> text = Unquoted(line, i);
    if (!text || i != line.size()) {
      return std::nullopt;
    }
    return RegistryValue::String(*text);
  }
  if (data.startsWith(QLatin1String("dword:"))) {
    const QStringView digits = data.mid(6);
    bool ok = false;
    const uint value = digits.size() == 8 ? digits.toUInt(&ok, 16) : 0;
    return ok ? std::optional(RegistryValue::Integer(qint32(value))) : std::nullopt;
  }
  quint32 type = RegistryValue::kBinary;
  QStringView hex;
  if (data.startsWith(QLatin1String("hex:"))) {
    hex = data.mid(4);
  } else if (data.startsWith(QLatin1String("hex(")) && data.contains(QLatin1String("):"))) {
    const qsizetype close = data.indexOf(QLatin1String("):"));
    bool ok = false;
    type = data.mid(4, close - 4).toUInt(&ok, 10);
    if (!ok || type == RegistryValue::kString || type == RegistryValue::kInteger) {
      return std::nullopt;
    }
    hex = data.mid(close + 2);
  } else {
    return std::nullopt;
  }
  const std::optional<QByteArray> bytes = BytesFromHex(hex);
  if (!bytes) {
    return std::nullopt;
  }
  RegistryValue value = RegistryValue::Binary(*bytes);
  value.type = type;
  return value;
}
}  // namespace

QString RegistryStore::FileNameOf(RegistryRoot root) {
  QString folder;
  if (root == RegistryRoot::LocalMachine) {
    const QStringList dirs = qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folder = dirs.isEmpty() ? QStringLiteral("/etc/xdg") : dirs.first();
  } else {
    folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty()) {
      folder = QDir::homePath() + QStringLiteral("/.config");
    }
  }
  return folder + QStringLiteral("/krv71-editor/registry/") + RootName(root) + QStringLiteral(".reg");
}

RegistryStore::RegistryStore(RegistryRoot root)
    : m_fileName(FileNameOf(root)), m_readOnly(root == RegistryRoot::LocalMachine) {
  Load();
}

void RegistryStore::Load() {
  QFile file(m_fileName);
  SetText(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
}

// Another store of the same root (in this process or another) may have
// written since this one read the file; a change starts from the file as it
// is now, so it never writes back an older copy over their settings.
void RegistryStore::Reload() {
  if (!m_readOnly) {
    Load();
  }
}

// A key or value named twice keeps its first occurrence; a key named only as
// a header still exists, and so do all keys above it.
void RegistryStore::SetText(const QString& text) {
  m_keys = {Key{}};
  Key* current = nullptr;
  for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
    const QString line = rawLine.trimmed();
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      const QString path = line.mid(1, line.size() - 2);
      current = HoldsControlCharacter(path) ? nullptr : &FindOrAdd(NormalPath(path));
      continue;
    }
    if (current == nullptr || line.isEmpty() || line.startsWith(QLatin1Char(';'))) {
      continue;
    }
    qsizetype i = 0;
    std::optional<QString> name;
    if (line.startsWith(QLatin1Char('@'))) {
      name = QString();
      i = 1;
    } else if (line.startsWith(QLatin1Char('"'))) {
      name = Unquoted(line, i);
    }
    if (!name || i >= line.size() || line[i] != QLatin1Char('=')) {
      continue;
    }
    const std::optional<RegistryValue> value = ValueFromData(QStringView(line).mid(i + 1), line, i + 1);
    const bool known = std::any_of(current->values.cbegin(), current->values.cend(),
                                   [&](const NamedValue& v) { return Same(v.name, *name); });
    if (value && !known) {
      current->values.append({*name, *value});
    }
  }
}

QString RegistryStore::Text() const {
  QString text = QStringLiteral("; krv71-editor settings\r\n\r\n");
  for (const Key& key : m_keys) {
    text += QLatin1Char('[') + key.path + QStringLiteral("]\r\n");
    for (const NamedValue& v : key.values) {
      text += (v.name.isEmpty() ? QStringLiteral("@") : Quoted(v.name)) + QLatin1Char('=') + DataText(v.value) +
              QStringLiteral("\r\n");
    }
    text += QStringLiteral("\r\n");
  }
  return text;
}

const RegistryStore::Key* RegistryStore::Find(const QString& normalPath) const {
  for (const Key& key : m_keys) {
    if (Same(key.path, normalPath)) {
      return &key;
    }
  }
  return nullptr;
}

RegistryStore::Key& RegistryStore::FindOrAdd(const QString& normalPath) {
  if (const Key* key = Find(normalPath)) {
    return m_keys[key - m_keys.constData()];
  }
  for (qsizetype at = normalPath.indexOf(kSeparator); at >= 0; at = normalPath.indexOf(kSeparator, at + 1)) {
    const QString above = normalPath.left(at);
    if (Find(above) == nullptr) {
      m_keys.append({above, {}});
    }
  }
  m_keys.append({normalPath, {}});
  return m_keys.last();
}

bool RegistryStore::KeyExists(const QString& path) const { return Find(NormalPath(path)) != nullptr; }

QStringList RegistryStore::ValueNames(const QString& path) const {
  QStringList names;
  if (const Key* key = Find(NormalPath(path))) {
    for (const NamedValue& v : key->values) {
      names.append(v.name);
    }
  }
  return names;
}

QStringList RegistryStore::SubKeyNames(const QString& path) const {
  const QString parent = NormalPath(path);
  QStringList names;
  for (const Key& key : m_keys) {
    if (!key.path.isEmpty() && Same(ParentOf(key.path), parent)) {
      names.append(key.path.mid(key.path.lastIndexOf(kSeparator) + 1));
    }
  }
  return names;
}

std::optional<RegistryValue> RegistryStore::ReadValue(const QString& path, const QString& name) const {
  if (const Key* key = Find(NormalPath(path))) {
    for (const NamedValue& v : key->values) {
      if (Same(v.name, name)) {
        return v.value;
      }
    }
  }
  return std::nullopt;
}

bool RegistryStore::Refuse(const QString& reason) {
  m_lastError = m_fileName + QStringLiteral(": ") + reason;
  return false;
}

bool RegistryStore::CanChange(const QString& normalPath) {
  if (m_readOnly) {
    return Refuse(QStringLiteral("this settings tree is read-only"));
  }
  if (HoldsControlCharacter(normalPath)) {
    return Refuse(QStringLiteral("a key name holds a control character"));
  }
  return true;
}

bool RegistryStore::Commit(const QList<Key>& before) {
  const QString folder = QFileInfo(m_fileName).absolutePath();
  QString reason;
  if (!QDir().mkpath(folder)) {
    reason = QStringLiteral("cannot create the folder ") + folder;
  } else if (!WriteWholeFile(m_fileName, Text().toUtf8(), &reason)) {
    reason = reason.isEmpty() ? QStringLiteral("cannot write the file") : reason;
  } else {
    m_lastError.clear();
    return true;
  }
  m_keys = before;
  return Refuse(reason);
}

bool RegistryStore::CreateKey(const QString& path) {
  const QString normal = NormalPath(path);
  Reload();
  if (Find(normal) != nullptr) {
    return true;
  }
  if (!CanChange(normal)) {
    return false;
  }
  const QList<Key> before = m_keys;
  FindOrAdd(normal);
  return Commit(before);
}

bool RegistryStore::WriteValue(const QString& path, const QString& name, const RegistryValue& value) {
  const QString normal = NormalPath(path);
  Reload();
  if (!CanChange(normal)) {
    return false;
  }
  const QList<Key> before = m_keys;
  Key& key = FindOrAdd(normal);
  const auto existing = std::find_if(key.values.begin(), key.values.end(),
                                     [&](const NamedValue& v) { return Same(v.name, name); });
  if (existing != key.values.end()) {
    existing->value = value;
  } else {
    key.values.append({name, value});
  }
  return Commit(before);
}

bool RegistryStore::DeleteValue(const QString& path, const QString& name) {
  const QString normal = NormalPath(path);
  Reload();
  if (!ReadValue(normal, name)) {
    return true;
  }
  if (!CanChange(normal)) {
    return false;
  }
  const QList<Key> before = m_keys;
  Key& key = FindOrAdd(normal);
  key.values.removeIf([&](const NamedValue& v) { return Same(v.name, name); });
  return Commit(before);
}

bool RegistryStore::DeleteKey(const QString& path) {
  const QString normal = NormalPath(path);
  Reload();
  if (normal.isEmpty()) {
    return Refuse(QStringLiteral("the root key cannot be deleted"));
  }
  if (Find(normal) == nullptr) {
    return true;
  }
  if (!CanChange(normal)) {
    return false;
  }
  const QList<Key> before = m_keys;
  const QString below = normal + kSeparator;
  m_keys.removeIf([&](const Key& key) {
    return Same(key.path, normal) || key.path.startsWith(below, Qt::CaseInsensitive);
  });
  return Commit(before);
}
