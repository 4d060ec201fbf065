#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "platform/files/RegistryStore.h"
#include "platform/files/TIniFile.h"
#include "platform/core/TObject.h"
#include "platform/core/TSet.h"

enum class TRzPathType { ptIniFile, ptRegistry };
enum class TRzRegKey { hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData,
                       hkeyCurrentConfig, hkeyDynData };
enum class TRzRegAccessItem { keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify,
                              keyCreateLink, keyRead, keyWrite, keyExecute, keyAllAccess };
using TRzRegAccess = TSet<TRzRegAccessItem>;
enum class TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum class TRzIniFileEncoding { feDefault, feUTF8, feUnicode };

/// The registry access rights of the access members, united.
quint32 RegAccessMask(TRzRegAccess access);

/// A settings store that reads and writes an INI file or a key of the
/// settings tree (RegistryStore), chosen by PathType. The store is opened on
/// first use after a path setting changed: an INI path without a folder is
/// placed beside the executable with ".ini", special folders are the XDG
/// folders, an empty registry path is "\Software\Temp\" plus the
/// application's name. Every INI write goes to the file at once, whole or
/// not at all; a write that fails raises EIniFileException naming the file
/// and the reason, and a registry write that the access rights or the store
/// refuse raises it too. GUI thread (or the one thread using it).
class TRzRegIniFile : public TObject {
public:
  TRzRegIniFile();
  ~TRzRegIniFile() override;

  QString Path() const { return m_path; }
  void SetPath(const QString& value) { Store(m_path, value); }
  TRzPathType PathType() const { return m_pathType; }
  void SetPathType(TRzPathType value) { Store(m_pathType, value); }
  TRzRegKey RegKey() const { return m_regKey; }
  void SetRegKey(TRzRegKey value) { Store(m_regKey, value); }
  TRzRegAccess RegAccess() const { return m_regAccess; }
  void SetRegAccess(TRzRegAccess value) { Store(m_regAccess, value); }
  TRzSpecialFolder SpecialFolder() const { return m_specialFolder; }
  void SetSpecialFolder(TRzSpecialFolder value) { Store(m_specialFolder, value); }
  TRzIniFileEncoding FileEncoding() const { return m_fileEncoding; }
  void SetFileEncoding(TRzIniFileEncoding value) { Store(m_fileEncoding, value); }

  /// Opens the store when a path setting changed and gives back the path
  /// it resolved to (what Path reads afterwards).
  QString OpenedPath();

  bool SectionExists(const QString& section);
  bool ValueExists(const QString& section, const QString& name);
  QString ReadString(const QString& section, const QString& name, const QString& defaultValue);
  void WriteString(const QString& section, const QString& name, const QString& value);
  int ReadInteger(const QString& section, const QString& name, int defaultValue);
  void WriteInteger(const QString& section, const QString& name, int value);
  bool ReadBool(const QString& section, const QString& name, bool defaultValue);
  void WriteBool(const QString& section, const QString& name, bool value);
  double ReadFloat(const QString& section, const QString& name, double defaultValue);
  void WriteFloat(const QString& section, const QString& name, double value);
  QDate ReadDate(const QString& section, const QString& name, const QDate& defaultValue);
  void WriteDate(const QString& section, const QString& name, const QDate& value);
  QTime ReadTime(const QString& section, const QString& name, const QTime& defaultValue);
  void WriteTime(const QString& section, const QString& name, const QTime& value);
  QDateTime ReadDateTime(const QString& section, const QString& name, const QDateTime& defaultValue);
  void WriteDateTime(const QString& section, const QString& name, const QDateTime& value);
  QByteArray ReadBinaryStream(const QString& section, const QString& name);
  void WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value);
  QStringList ReadSection(const QString& section);
  QStringList ReadSections();
  /// Registry lines: "name=text", "name=number", "name=" and two hex digits
  /// and a blank per byte, "name=Unknown Data Type", "Default=text".
  QStringList ReadSectionValues(const QString& section);
  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& name);

private:
  template <typename T>
  void Store(T& field, const T& value) {
    if (StoreIfChanged(field, value)) {
      m_refreshStorage = true;
    }
  }
  void Open();
  QString ResolveIniPath(QString p) const;
  QString KeyOf(const QString& section) const;
  void ChangeIni(const std::function<void(TIniFile&)>& change);
  void WriteValue(const QString& section, const QString& name, const RegistryValue& value);
  std::optional<RegistryValue> ReadValue(const QString& section, const QString& name);
  void Require(quint32 right, const char* what) const;

  QString m_path;
  TRzPathType m_pathType = TRzPathType::ptIniFile;
  TRzRegKey m_regKey = TRzRegKey::hkeyCurrentUser;
  TRzRegAccess m_regAccess{TRzRegAccessItem::keyAllAccess};
  TRzSpecialFolder m_specialFolder = TRzSpecialFolder::sfNone;
  TRzIniFileEncoding m_fileEncoding = TRzIniFileEncoding::feDefault;
  bool m_refreshStorage = true;
  std::unique_ptr<TIniFile> m_ini;
  std::unique_ptr<RegistryStore> m_reg;
};
