#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/text/AnsiCodePage.h"
#include "platform/files/TRzRegIniFile.h"
#include "tests/support/FileSizeLimit.h"

namespace {

// Every XDG folder in a temporary directory, for the test's lifetime.
class XdgFolders {
public:
  XdgFolders() {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS"}) {
      m_saved.append({name, qgetenv(name)});
    }
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", m_dir.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", m_dir.filePath(QStringLiteral("system")).toUtf8());
    // The documents folder comes from the user's folder list.
    QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
    QFile dirs(m_dir.filePath(QStringLiteral("config/user-dirs.dirs")));
    if (dirs.open(QIODevice::WriteOnly)) {
      dirs.write("XDG_DOCUMENTS_DIR=\"" + m_dir.filePath(QStringLiteral("docs")).toUtf8() + "\"\n");
    }
  }
  ~XdgFolders() {
    for (const auto& [name, value] : m_saved) {
      qputenv(name, value);
    }
  }
  QString Path(const QString& relative) const { return m_dir.filePath(relative); }

private:
  QTemporaryDir m_dir;
  QList<QPair<const char*, QByteArray>> m_saved;
};

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(TRzRegIniFile, IniPaths_resolveBesideTheProgramOrInSpecialFolders) {
  const XdgFolders xdg;
  const QString exeDir = QCoreApplication::applicationDirPath();
  const QString exe = QCoreApplication::applicationFilePath();
  struct Case {
    QString path;
    TRzSpecialFolder folder;
    QString resolved;
  };
  const Case cases[] = {
      {QStringLiteral("settings"), TRzSpecialFolder::sfNone, exeDir + QStringLiteral("/settings.ini")},
      {QStringLiteral("frames.cfg"), TRzSpecialFolder::sfNone, exeDir + QStringLiteral("/frames.ini")},
      {QString(), TRzSpecialFolder::sfNone, exe + QStringLiteral(".ini")},
      {xdg.Path(QStringLiteral("own/x.cfg")), TRzSpecialFolder::sfNone, xdg.Path(QStringLiteral("own/x.cfg"))},
      {QStringLiteral("krv/app.cfg"), TRzSpecialFolder::sfUserAppDataRoaming,
       xdg.Path(QStringLiteral("config/krv/app.ini"))},
      {QStringLiteral("app"), TRzSpecialFolder::sfUserAppDataLocal, xdg.Path(QStringLiteral("data/app.ini"))},
      {QStringLiteral("app"), TRzSpecialFolder::sfProgramData, xdg.Path(QStringLiteral("system/app.ini"))},
      {QStringLiteral("krv/app.x"), TRzSpecialFolder::sfUserDocuments, xdg.Path(QStringLiteral("docs/krv/app.ini"))},
      {QString(), TRzSpecialFolder::sfUserAppDataLocal,
       xdg.Path(QStringLiteral("data/") + QFileInfo(exe).fileName() + QStringLiteral(".ini"))},
  };
  for (const Case& c : cases) {
    TRzRegIniFile store;
    store.SetPath(c.path);
    store.SetSpecialFolder(c.folder);
    EXPECT_EQ(store.OpenedPath(), c.resolved) << c.path.toStdString();
    EXPECT_EQ(store.Path(), c.resolved);
  }
  EXPECT_TRUE(QDir(xdg.Path(QStringLiteral("config/krv"))).exists());
}

TEST(TRzRegIniFile, RegistryPath_emptyOpensSoftwareTempAndTheTitle) {
  const XdgFolders xdg;
  const QString title = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QStringLiteral("KRV Test"));
  TRzRegIniFile store;
  store.SetPathType(TRzPathType::ptRegistry);
  EXPECT_EQ(store.OpenedPath(), QStringLiteral("\\Software\\Temp\\KRV Test"));
  EXPECT_TRUE(RegistryStore(RegistryRoot::CurrentUser).KeyExists(QStringLiteral("\\Software\\Temp\\KRV Test")));
  QCoreApplication::setApplicationName(title);
}

TEST(TRzRegIniFile, TypedValues_roundTripInBothStores) {
  const XdgFolders xdg;
  for (const TRzPathType type : {TRzPathType::ptIniFile, TRzPathType::ptRegistry}) {
    TRzRegIniFile store;
    store.SetPathType(type);
    store.SetPath(type == TRzPathType::ptIniFile ? xdg.Path(QStringLiteral("t.ini")) : QStringLiteral("\\Software\\T"));
    const QDateTime when(QDate(2026, 12, 10), QTime(21, 5, 0, 250));
    store.WriteBool(QStringLiteral("S"), QStringLiteral("b"), true);
    store.WriteFloat(QStringLiteral("S"), QStringLiteral("f"), -0.125);
    store.WriteInteger(QStringLiteral("S"), QStringLiteral("i"), -7);
    store.WriteDateTime(QStringLiteral("S"), QStringLiteral("dt"), when);
    store.WriteDate(QStringLiteral("S"), QStringLiteral("d"), when.date());
    store.WriteTime(QStringLiteral("S"), QStringLiteral("t"), when.time());
    store.WriteBinaryStream(QStringLiteral("S"), QStringLiteral("bin"), QByteArray("\xAB\x01", 2));
    TRzRegIniFile again;
    again.SetPathType(type);
    again.SetPath(store.Path());
    EXPECT_TRUE(again.ReadBool(QStringLiteral("S"), QStringLiteral("b"), false));
    EXPECT_EQ(again.ReadFloat(QStringLiteral("S"), QStringLiteral("f"), 0), -0.125);
    EXPECT_EQ(again.ReadInteger(QStringLiteral("S"), QStringLiteral("i"), 0), -7);
    EXPECT_EQ(again.ReadDateTime(QStringLiteral("S"), QStringLiteral("dt"), {}), when);
    EXPECT_EQ(again.ReadDate(QStringLiteral("S"), QStringLiteral("d"), {}), when.date());
    EXPECT_EQ(again.ReadTime(QStringLiteral("S"), QStringLiteral("t"), {}), when.time());
    EXPECT_EQ(again.ReadBinaryStream(QStringLiteral("S"), QStringLiteral("bin")), QByteArray("\xAB\x01", 2));
    EXPECT_EQ(again.ReadFloat(QStringLiteral("S"), QStringLiteral("none"), 2.5), 2.5);
    EXPECT_TRUE(again.SectionExists(QStringLiteral("S")));
    again.DeleteKey(QStringLiteral("S"), QStringLiteral("i"));
    EXPECT_FALSE(again.ValueExists(QStringLiteral("S"), QStringLiteral("i")));
    again.EraseSection(QStringLiteral("S"));
    EXPECT_FALSE(again.SectionExists(QStringLiteral("S")));
  }
}

TEST(TRzRegIniFile, RegistrySectionValues_inTheirLineFormats) {
  const XdgFolders xdg;
  TRzRegIniFile store;
  store.SetPathType(TRzPathType::ptRegistry);
  store.SetPath(QStringLiteral("\\Software\\Lines\\"));
  store.WriteString(QStringLiteral("S"), QStringLiteral("b_text"), QStringLiteral("hello"));
  store.WriteInteger(QStringLiteral("S"), QStringLiteral("c_number"), 42);
  store.WriteBinaryStream(QStringLiteral("S"), QStringLiteral("a_bytes"), QByteArray("\xAB\x01", 2));
  store.WriteString(QStringLiteral("S"), QString(), QStringLiteral("default"));
  RegistryStore(RegistryRoot::CurrentUser)
      .WriteValue(QStringLiteral("\\Software\\Lines\\S"), QStringLiteral("d_odd"), RegistryValue{7, {}, 0, "x"});
  EXPECT_EQ(store.ReadSectionValues(QStringLiteral("S")),
            (QStringList{QStringLiteral("Default=default"), QStringLiteral("a_bytes=AB 01 "),
                         QStringLiteral("b_text=hello"), QStringLiteral("c_number=42"),
                         QStringLiteral("d_odd=Unknown Data Type")}));
}

TEST(TRzRegIniFile, RegAccess_rightsAreUnitedAndWritesNeedSetValue) {
  EXPECT_EQ(RegAccessMask({TRzRegAccessItem::keyAllAccess}), 0xF003Fu);
  EXPECT_EQ(RegAccessMask({TRzRegAccessItem::keyQueryValue, TRzRegAccessItem::keyNotify}), 0x11u);
  EXPECT_EQ(RegAccessMask({TRzRegAccessItem::keyRead, TRzRegAccessItem::keyWrite}), 0x2001Fu);
  EXPECT_EQ(RegAccessMask({}), 0u);
  const XdgFolders xdg;
  TRzRegIniFile store;
  store.SetPathType(TRzPathType::ptRegistry);
  store.SetPath(QStringLiteral("\\Software\\ReadOnly"));
  store.SetRegAccess({TRzRegAccessItem::keyRead});
  EXPECT_THROW(store.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")), EIniFileException);
  EXPECT_EQ(store.ReadString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("none")), QStringLiteral("none"));
  EXPECT_FALSE(RegistryStore(RegistryRoot::CurrentUser).KeyExists(QStringLiteral("\\Software\\ReadOnly")));
}

TEST(TRzRegIniFile, FailedWrite_raisesWithPathAndLeavesFileAndStoreAsTheyWere) {
  const XdgFolders xdg;
  TRzRegIniFile store;
  store.SetPath(xdg.Path(QStringLiteral("keep.ini")));
  store.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("old"));
  const QByteArray before = Bytes(store.Path());
  {
    const FileSizeLimit limit(8);
    ASSERT_TRUE(limit.Active());
    try {
      store.WriteString(QStringLiteral("S"), QStringLiteral("k"), QString(4096, QLatin1Char('x')));
      ADD_FAILURE() << "no exception";
    } catch (const EIniFileException& error) {
      EXPECT_NE(QString::fromStdString(error.what()).indexOf(store.Path()), -1);
    }
  }
  EXPECT_EQ(Bytes(store.Path()), before);
  EXPECT_EQ(store.ReadString(QStringLiteral("S"), QStringLiteral("k"), QString()), QStringLiteral("old"));
}

TEST(TRzRegIniFile, ChineseText_inEachEncoding) {
  const XdgFolders xdg;
  const QString text = QStringLiteral("频率设置");
  struct Case {
    TRzIniFileEncoding encoding;
    QByteArray stored;
  };
  const Case cases[] = {{TRzIniFileEncoding::feDefault, WideToAnsi(text)},
                        {TRzIniFileEncoding::feUTF8, text.toUtf8()},
                        {TRzIniFileEncoding::feUnicode, QByteArray(reinterpret_cast<const char*>(text.utf16()),
                                                                   text.size() * 2)}};
  for (const Case& c : cases) {
    TRzRegIniFile store;
    store.SetPath(xdg.Path(QStringLiteral("zh%1.ini").arg(int(c.encoding))));
    store.SetFileEncoding(c.encoding);
    store.WriteString(QStringLiteral("S"), QStringLiteral("name"), text);
    EXPECT_NE(Bytes(store.Path()).indexOf(c.stored), -1) << int(c.encoding);
    TRzRegIniFile again;
    again.SetPath(store.Path());
    again.SetFileEncoding(c.encoding);
    EXPECT_EQ(again.ReadString(QStringLiteral("S"), QStringLiteral("name"), QString()), text);
  }
}
