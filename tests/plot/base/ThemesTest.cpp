#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/files/RegistryStore.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiXYPlot.h"
#include "tests/plot/ErrorOf.h"

namespace {

const QString kMalformed = QStringLiteral("Error Loading Scheme. XML File Malformed");

/// Temporary configuration folders (user and system) and theme folders
/// for the library's and the user's scheme files.
class ThemesTest : public testing::Test {
protected:
  void SetUp() override {
    m_oldHome = qgetenv("XDG_CONFIG_HOME");
    m_oldDirs = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", m_system.path().toUtf8());
    m_plot.SetBounds(0, 0, 300, 200);
  }
  void TearDown() override {
    qputenv("XDG_CONFIG_HOME", m_oldHome);
    qputenv("XDG_CONFIG_DIRS", m_oldDirs);
  }
  static void Put(const QString& fileName, const QByteArray& text) {
    QDir().mkpath(fileName.section(QLatin1Char('/'), 0, -2));
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  /// The theme directories in the settings: machine-wide, and per user.
  void SetDirectories(const QString& library, const QString& user, const QString& userOverride = QString()) {
    QByteArray machine = "[SOFTWARE\\Vivove\\Themes]\n";
    machine += "\"Vivove Defined Theme Path\"=\"" + library.toUtf8() + "\"\n";
    machine += "\"User Defined Theme Path\"=\"" + user.toUtf8() + "\"\n";
    Put(RegistryStore::FileNameOf(RegistryRoot::LocalMachine), machine);
    if (!userOverride.isEmpty()) {
      RegistryStore(RegistryRoot::CurrentUser)
          .WriteValue(QStringLiteral("Software\\Vivove\\Themes"), QStringLiteral("User Defined Theme Path"),
                      RegistryValue::String(userOverride));
    }
  }
  QString Dir(const char* name) const { return m_home.filePath(QLatin1String(name)); }
  static QByteArray File(const QByteArray& categories) {
    return "<SchemeTypes>\r\n" + categories + "</SchemeTypes>\r\n";
  }
  static QByteArray Category(const QByteArray& name, const QByteArray& schemes) {
    return "<SchemeType>\r\n<Name>" + name + "</Name>\r\n" + schemes + "</SchemeType>\r\n";
  }
  static QByteArray Scheme(const QByteArray& name, const QByteArray& properties) {
    return "<Scheme>\r\n<Name>" + name + "</Name>\r\n<Properties>\r\n" + properties + "</Properties>\r\n</Scheme>\r\n";
  }

  QTemporaryDir m_home;
  QTemporaryDir m_system;
  QByteArray m_oldHome;
  QByteArray m_oldDirs;
  TiPlot m_plot;
};

}  // namespace

TEST_F(ThemesTest, UserSchemesJoinCategoriesOfTheSameName_andLoadingTwiceKeepsOneCopy) {
  SetDirectories(Dir("library"), QString(), Dir("user"));
  Put(Dir("library") + "/TiPlot.xml",
      File(Category("Dark", Scheme("Night", "<OuterMarginLeft>9</OuterMarginLeft>\r\n")) +
           Category("Light", Scheme("Day", ""))));
  Put(Dir("user") + "/TiPlotUser.xml",
      File(Category("dark", Scheme("Mine", "") + Scheme("Night", "")) + Category("Own", Scheme("Only", ""))));
  Put(Dir("library") + "/TiXYPlot.xml", File(Category("XY", "")));

  for (int load = 0; load < 2; ++load) {
    m_plot.LoadThemes();
    ASSERT_EQ(m_plot.GetThemeCategoryCount(), 3);
    EXPECT_EQ(m_plot.GetThemeCategoryName(0), QStringLiteral("Dark"));
    EXPECT_EQ(m_plot.GetThemeCategoryName(1), QStringLiteral("Light"));
    EXPECT_EQ(m_plot.GetThemeCategoryName(2), QStringLiteral("Own"));
    ASSERT_EQ(m_plot.GetThemeCategorySchemeCount(0), 3);
    EXPECT_EQ(m_plot.GetThemeCategorySchemeName(0, 0), QStringLiteral("Night"));
    EXPECT_EQ(m_plot.GetThemeCategorySchemeName(0, 1), QStringLiteral("Mine"));
    EXPECT_EQ(m_plot.GetThemeCategorySchemeName(0, 2), QStringLiteral("Night"));
    EXPECT_FALSE(m_plot.GetThemeCategorySchemeIsUser(0, 0));
    EXPECT_TRUE(m_plot.GetThemeCategorySchemeIsUser(0, 1));
    EXPECT_TRUE(m_plot.GetThemeCategorySchemeIsUser(0, 2));
    EXPECT_FALSE(m_plot.GetThemeCategorySchemeIsUser(1, 0));
  }
  EXPECT_EQ(ErrorOf([&] { m_plot.GetThemeCategoryName(3); }), QStringLiteral("List index out of bounds (3)"));
  EXPECT_EQ(ErrorOf([&] { m_plot.GetThemeCategorySchemeName(1, 1); }), QStringLiteral("List index out of bounds (1)"));

  TiXYPlot xy;
  xy.LoadThemes();
  ASSERT_EQ(xy.GetThemeCategoryCount(), 1);
  EXPECT_EQ(xy.GetThemeCategoryName(0), QStringLiteral("XY"));
}

TEST_F(ThemesTest, ApplyScheme_setsDottedNamesEmptyStringsAndStopsAtABadValue) {
  SetDirectories(Dir("library"), QString());
  Put(Dir("library") + "/TiPlot.xml",
      File(Category("Looks", Scheme("Big", "<TitleFont.Size>12</TitleFont.Size>\r\n<TitleText></TitleText>\r\n"
                                           "<HintsShow>False</HintsShow>\r\n<PrintMarginLeft>0.5</PrintMarginLeft>\r\n"
                                           "<Unknown.Name>7</Unknown.Name>\r\n") +
                                 Scheme("Bad", "<OuterMarginLeft>12</OuterMarginLeft>\r\n"
                                               "<OuterMarginTop>wide</OuterMarginTop>\r\n"
                                               "<OuterMarginRight>13</OuterMarginRight>\r\n"))));
  m_plot.SetTitleText(QStringLiteral("Levels"));
  m_plot.LoadThemes();
  m_plot.ApplyScheme(0, 0);
  EXPECT_EQ(m_plot.TitleFont().Size(), 12);
  EXPECT_EQ(m_plot.TitleText(), QString());
  EXPECT_FALSE(m_plot.HintsShow());
  EXPECT_EQ(m_plot.StoredSettings().PrintMarginLeft, 0.5);

  EXPECT_FALSE(ErrorOf([&] { m_plot.ApplyScheme(0, 1); }).isEmpty());
  EXPECT_EQ(m_plot.OuterMarginLeft(), 12);
  EXPECT_EQ(m_plot.OuterMarginTop(), 5);
  EXPECT_EQ(m_plot.OuterMarginRight(), 5);
}

TEST_F(ThemesTest, HostileFiles_areRefusedKeepingWhatWasRead) {
  SetDirectories(Dir("library"), Dir("user"));
  struct Case {
    const char* name;
    QByteArray user;
    int categories;
    QString error;
  };
  const QByteArray good = File(Category("Kept", Scheme("One", "")));
  const Case cases[] = {
      {"cut short", "<SchemeTypes>\r\n<SchemeType>\r\n<Name>Half</Name>\r\n<Scheme>\r\n<Name>S</Name>", 2, kMalformed},
      {"wrong closing tag", File(Category("Bad", "</Scheme>\r\n")), 2, kMalformed},
      {"text between tags", File("junk\r\n"), 1, kMalformed},
      {"no root", "plain text", 1, kMalformed},
      {"10 MB value",
       File(Category("Large", Scheme("L", "<TitleText>" + QByteArray(10 << 20, 'x') + "</TitleText>\r\n"))), 2,
       QString()},
      {"10 MB of tags", QByteArray(10 << 20, '<'), 1, kMalformed},
  };
  Put(Dir("library") + "/TiPlot.xml", good);
  for (const Case& c : cases) {
    Put(Dir("user") + "/TiPlotUser.xml", c.user);
    EXPECT_EQ(ErrorOf([&] { m_plot.LoadThemes(); }), c.error) << c.name;
    EXPECT_EQ(m_plot.GetThemeCategoryCount(), c.categories) << c.name;
    EXPECT_EQ(m_plot.GetThemeCategoryName(0), QStringLiteral("Kept")) << c.name;
  }
}

TEST_F(ThemesTest, WithoutDirectories_noFileIsRead) {
  const QString current = QDir::currentPath();
  QTemporaryDir work;
  ASSERT_TRUE(QDir::setCurrent(work.path()));
  Put(work.filePath(QStringLiteral("TiPlot.xml")), File(Category("Stray", "")));
  Put(work.filePath(QStringLiteral("TiPlotUser.xml")), File(Category("Stray", "")));
  m_plot.LoadThemes();
  EXPECT_EQ(m_plot.GetThemeCategoryCount(), 0);
  SetDirectories(Dir("missing"), QStringLiteral("   "));
  m_plot.LoadThemes();
  EXPECT_EQ(m_plot.GetThemeCategoryCount(), 0);
  QDir::setCurrent(current);
}
