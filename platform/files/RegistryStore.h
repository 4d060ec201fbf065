#pragma once

#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// The roots of the settings tree, with the handle values the settings code
/// stores for them.
enum class RegistryRoot : quint32 {
  ClassesRoot = 0x80000000u,
  CurrentUser = 0x80000001u,
  LocalMachine = 0x80000002u,
  Users = 0x80000003u,
  PerformanceData = 0x80000004u,
  CurrentConfig = 0x80000005u,
  DynData = 0x80000006u,
};

/// One named value under a key. `type` is the value's type number: 1 text,
/// 3 binary, 4 a 32-bit integer; any other number is kept as its raw bytes.
struct RegistryValue {
  static constexpr quint32 kString = 1;
  static constexpr quint32 kBinary = 3;
  static constexpr quint32 kInteger = 4;

  quint32 type = kString;
  QString text;      // kString
  qint32 integer = 0;  // kInteger
  QByteArray bytes;  // kBinary and unknown types

  static RegistryValue String(const QString& text) { return {kString, text, 0, {}}; }
  static RegistryValue Integer(qint32 value) { return {kInteger, {}, value, {}}; }
  static RegistryValue Binary(const QByteArray& bytes) { return {kBinary, {}, 0, bytes}; }
  bool operator==(const RegistryValue&) const = default;
};

/// The settings tree of one root key, kept as a typed INI-text file of our
/// own: `$XDG_CONFIG_HOME/krv71-editor/registry/<ROOT>.reg` (default
/// `~/.config`), and for the local-machine root the same name under the first
/// folder of `$XDG_CONFIG_DIRS` (default `/etc/xdg`), which is read-only.
///
/// Key paths are "\"-separated and compared without regard to letter case;
/// leading, trailing and doubled separators are ignored, so "\Software\Temp\"
/// and "software\temp" name one key; the empty path is the root itself. A
/// value with the empty name is the key's default value. The file is read
/// when the object is made; every change is written at once to a temporary
/// name and renamed into place, and a change that cannot be written is
/// undone, leaving object and file as they were. Each change first re-reads
/// the file, so stores of one root never undo each other's changes. Lines
/// the store cannot read are skipped. One thread uses an object.
class RegistryStore {
public:
  explicit RegistryStore(RegistryRoot root);

  /// The file this root is kept in.
  static QString FileNameOf(RegistryRoot root);
  QString FileName() const { return m_fileName; }
  bool ReadOnly() const { return m_readOnly; }
  /// Why the last change was refused: the file and the reason.
  QString LastError() const { return m_lastError; }

  bool KeyExists(const QString& path) const;
  /// The names of the key's values and of its direct sub-keys, in the order
  /// first written; empty for a missing key.
  QStringList ValueNames(const QString& path) const;
  QStringList SubKeyNames(const QString& path) const;
  std::optional<RegistryValue> ReadValue(const QString& path, const QString& name) const;

  /// Each change returns false, with LastError set, when the store is
  /// read-only, a name cannot be stored (a key name holding a control
  /// character) or the file cannot be written.
  bool CreateKey(const QString& path);
  /// Creates the key when missing.
  bool WriteValue(const QString& path, const QString& name, const RegistryValue& value);
  /// True when the value is gone afterwards (also when it never existed).
  bool DeleteValue(const QString& path, const QString& name);
  /// Deletes the key with all keys below it; the root itself cannot go.
  bool DeleteKey(const QString& path);

  /// The whole tree as the file holds it.
  QString Text() const;

private:
  struct NamedValue {
    QString name;
    RegistryValue value;
  };
  struct Key {
    QString path;
    QList<NamedValue> values;
  };

  void Load();
  void Reload();
  void SetText(const QString& text);
  const Key* Find(const QString& normalPath) const;
  Key& FindOrAdd(const QString& normalPath);
  bool Refuse(const QString& reason);
  bool CanChange(const QString& normalPath);
  bool Commit(const QList<Key>& before);

  QString m_fileName;
  bool m_readOnly = false;
  QString m_lastError;
  QList<Key> m_keys;  // every key that exists, parents before children
};
