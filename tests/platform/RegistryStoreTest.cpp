#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/RegistryStore.h"
#include "tests/support/FileSizeLimit.h"

namespace {
// Points the user's and the system's configuration folders at temporary ones.
class RegistryStoreTest : public testing::Test {
protected:
  void SetUp() override {
    m_oldHome = qgetenv("XDG_CONFIG_HOME");
    m_oldDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_DIRS", (m_system.path() + QStringLiteral(":/nonexistent")).toUtf8());
  }
  void TearDown() override {
    qputenv("XDG_CONFIG_HOME", m_oldHome);
    qputenv("XDG_CONFIG_DIRS", m_oldDirs);
  }
  static QByteArray Contents(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  static void Put(const QString& fileName, const QByteArray& text) {
    QDir().mkpath(fileName.section(QLatin1Char('/'), 0, -2));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir m_home;
  QTemporaryDir m_system;
  QByteArray m_oldHome;
  QByteArray m_oldDirs;
};
}  // namespace

TEST_F(RegistryStoreTest, eachRootHasItsFileAndTheLocalMachineOneIsTheSystemsAndReadOnly) {
  struct Case {
    RegistryRoot root;
    QString expected;
  };
  const Case cases[] = {
      {RegistryRoot::CurrentUser, m_home.path() + QStringLiteral("/krv71-editor/registry/HKEY_CURRENT_USER.reg")},
      {RegistryRoot::ClassesRoot, m_home.path() + QStringLiteral("/krv71-editor/registry/HKEY_CLASSES_ROOT.reg")},
      {RegistryRoot::LocalMachine,
       m_system.path() + QStringLiteral("/krv71-editor/registry/HKEY_LOCAL_MACHINE.reg")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RegistryStore::FileNameOf(c.root), c.expected);
  }

  const QString machineFile = RegistryStore::FileNameOf(RegistryRoot::LocalMachine);
  const QByteArray machineText = "[SOFTWARE\\Vivove\\Themes]\n\"User Defined Theme Path\"=\"/usr/share/themes\"\n";
  Put(machineFile, machineText);
  RegistryStore machine(RegistryRoot::LocalMachine);
  EXPECT_TRUE(machine.ReadOnly());
  EXPECT_EQ(machine.ReadValue(QStringLiteral("software\\vivove\\themes"), QStringLiteral("user defined theme path")),
            RegistryValue::String(QStringLiteral("/usr/share/themes")));
  EXPECT_FALSE(machine.WriteValue(QStringLiteral("Software"), QStringLiteral("A"), RegistryValue::Integer(1)));
  EXPECT_FALSE(machine.CreateKey(QStringLiteral("Software\\New")));
  EXPECT_FALSE(machine.DeleteKey(QStringLiteral("Software")));
  EXPECT_TRUE(machine.LastError().startsWith(machineFile)) << machine.LastError().toStdString();
  EXPECT_TRUE(machine.KeyExists(QStringLiteral("Software")));
  EXPECT_EQ(Contents(machineFile), machineText);

  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(RegistryStore::FileNameOf(RegistryRoot::CurrentUser),
            QDir::homePath() + QStringLiteral("/.config/krv71-editor/registry/HKEY_CURRENT_USER.reg"));
}

TEST_F(RegistryStoreTest, everyKindOfValueSurvivesReopening) {
  const QString key = QStringLiteral("\\Software\\Temp\\KRV-71\\");
  const QByteArray binary("\x00\xff\x10", 3);
  RegistryValue unknown = RegistryValue::Binary("AB");
  unknown.type = 7;
  const std::pair<QString, RegistryValue> values[] = {
      {QStringLiteral("Caption"), RegistryValue::String(QStringLiteral("扬声器 \"A\\B\"\r\nnext line "))},
      {QString(), RegistryValue::String(QStringLiteral("default"))},
      {QStringLiteral("Color"), RegistryValue::Integer(-16777211)},
      {QStringLiteral("Max"), RegistryValue::Integer(2147483647)},
      {QStringLiteral("Data"), RegistryValue::Binary(binary)},
      {QStringLiteral("Empty"), RegistryValue::Binary({})},
      {QStringLiteral("Odd"), unknown},
      {QStringLiteral("a=b;[c]"), RegistryValue::String(QString())},
  };
  {
    RegistryStore store(RegistryRoot::CurrentUser);
    for (const auto& [name, value] : values) {
      ASSERT_TRUE(store.WriteValue(key, name, value)) << store.LastError().toStdString();
    }
  }
  const RegistryStore reopened(RegistryRoot::CurrentUser);
  QStringList names;
  for (const auto& [name, value] : values) {
    EXPECT_EQ(reopened.ReadValue(QStringLiteral("software\\TEMP\\krv-71"), name.toUpper()), value)
        << name.toStdString();
    names.append(name);
  }
  EXPECT_EQ(reopened.ValueNames(key), names);
  EXPECT_EQ(reopened.SubKeyNames(QStringLiteral("Software")), QStringList{QStringLiteral("Temp")});
  EXPECT_TRUE(reopened.KeyExists(QStringLiteral("Software\\\\Temp")));
  EXPECT_FALSE(reopened.ReadValue(key, QStringLiteral("Missing")).has_value());
}

TEST_F(RegistryStoreTest, keysAreCreatedWithTheirParentsAndDeletedWithTheirChildren) {
  RegistryStore store(RegistryRoot::CurrentUser);
  ASSERT_TRUE(store.CreateKey(QStringLiteral("A\\B\\C")));
  ASSERT_TRUE(store.WriteValue(QStringLiteral("A\\B2"), QStringLiteral("v"), RegistryValue::Integer(3)));
  ASSERT_TRUE(store.WriteValue(QStringLiteral("AB"), QStringLiteral("v"), RegistryValue::Integer(4)));
  EXPECT_EQ(store.SubKeyNames(QString()), (QStringList{QStringLiteral("A"), QStringLiteral("AB")}));
  EXPECT_EQ(store.SubKeyNames(QStringLiteral("a")), (QStringList{QStringLiteral("B"), QStringLiteral("B2")}));

  ASSERT_TRUE(store.DeleteKey(QStringLiteral("a\\b")));
  EXPECT_FALSE(store.KeyExists(QStringLiteral("A\\B\\C")));
  EXPECT_FALSE(store.KeyExists(QStringLiteral("A\\B")));
  EXPECT_TRUE(store.KeyExists(QStringLiteral("A\\B2")));
  ASSERT_TRUE(store.DeleteValue(QStringLiteral("A\\B2"), QStringLiteral("V")));
  EXPECT_TRUE(store.ValueNames(QStringLiteral("A\\B2")).isEmpty());
  EXPECT_TRUE(store.DeleteKey(QStringLiteral("Missing")));
  EXPECT_FALSE(store.DeleteKey(QStringLiteral("\\")));
  EXPECT_FALSE(store.CreateKey(QStringLiteral("Bad\nName")));
  EXPECT_FALSE(store.KeyExists(QStringLiteral("Bad\nName")));

  const RegistryStore reopened(RegistryRoot::CurrentUser);
  EXPECT_EQ(reopened.Text(), store.Text());
  EXPECT_TRUE(reopened.KeyExists(QStringLiteral("AB")));
}

TEST_F(RegistryStoreTest, twoStoresOfOneRootKeepEachOthersChanges) {
  RegistryStore first(RegistryRoot::CurrentUser);
  RegistryStore second(RegistryRoot::CurrentUser);
  ASSERT_TRUE(first.WriteValue(QStringLiteral("S"), QStringLiteral("A"), RegistryValue::Integer(1)));
  ASSERT_TRUE(second.WriteValue(QStringLiteral("S"), QStringLiteral("B"), RegistryValue::Integer(2)));
  ASSERT_TRUE(first.DeleteKey(QStringLiteral("Missing")));
  ASSERT_TRUE(first.CreateKey(QStringLiteral("T")));

  const RegistryStore reopened(RegistryRoot::CurrentUser);
  EXPECT_EQ(reopened.ValueNames(QStringLiteral("S")), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
  EXPECT_EQ(reopened.SubKeyNames(QString()), (QStringList{QStringLiteral("S"), QStringLiteral("T")}));
}

TEST_F(RegistryStoreTest, unreadableLinesAreSkippedAndTheRestIsKept) {
  const QString fileName = RegistryStore::FileNameOf(RegistryRoot::CurrentUser);
  Put(fileName,
      "\"BeforeAnyKey\"=dword:00000001\n"
      "[Deep\\\\Path\\]\n"
      "\"Good\"=dword:0000000a\n"
      "\"Short\"=dword:a\n"
      "\"BadHex\"=hex:0g,10\n"
      "\"OneDigit\"=hex:1\n"
      "\"Open\"=\"no end\n"
      "\"Trailing\"=\"x\" junk\n"
      "\"Escaped at end\"=\"x\\\n"
      "\"TypeAsText\"=hex(1):41\n"
      "\"NoType\"=hex(:41\n"
      "NoQuotes=1\n"
      "\"Good\"=dword:0000000b\n"
      "[Bad\x01Key]\n"
      "\"Lost\"=dword:00000001\n");
  const RegistryStore store(RegistryRoot::CurrentUser);
  EXPECT_EQ(store.ValueNames(QStringLiteral("Deep\\Path")), QStringList{QStringLiteral("Good")});
  EXPECT_EQ(store.ReadValue(QStringLiteral("Deep\\Path"), QStringLiteral("Good")), RegistryValue::Integer(10));
  EXPECT_TRUE(store.KeyExists(QStringLiteral("Deep")));
  EXPECT_TRUE(store.ValueNames(QString()).isEmpty());
  EXPECT_EQ(store.SubKeyNames(QString()), QStringList{QStringLiteral("Deep")});
}

TEST_F(RegistryStoreTest, aChangeThatCannotBeWrittenLeavesFileAndStoreAsTheyWere) {
  RegistryStore store(RegistryRoot::CurrentUser);
  ASSERT_TRUE(store.WriteValue(QStringLiteral("Software"), QStringLiteral("Kept"), RegistryValue::Integer(1)));
  const QByteArray before = Contents(store.FileName());

  bool written = true;
  bool created = true;
  {
    const FileSizeLimit limit(before.size() + 16);
    ASSERT_TRUE(limit.Active());
    written = store.WriteValue(QStringLiteral("Software"), QStringLiteral("Big"),
                               RegistryValue::String(QString(4096, QLatin1Char('x'))));
    created = store.CreateKey(QStringLiteral("Software\\A long name that does not fit either"));
  }

  EXPECT_FALSE(written);
  EXPECT_FALSE(created);
  EXPECT_TRUE(store.LastError().startsWith(store.FileName() + QStringLiteral(": "))) << store.LastError().toStdString();
  EXPECT_GT(store.LastError().size(), store.FileName().size() + 2);
  EXPECT_EQ(Contents(store.FileName()), before);
  EXPECT_FALSE(store.ReadValue(QStringLiteral("Software"), QStringLiteral("Big")).has_value());
  EXPECT_EQ(store.SubKeyNames(QStringLiteral("Software")), QStringList());
  EXPECT_EQ(QDir(m_home.path() + QStringLiteral("/krv71-editor/registry")).entryList(QDir::Files),
            QStringList{QStringLiteral("HKEY_CURRENT_USER.reg")});
}
