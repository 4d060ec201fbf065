#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/widgets/FileChooser.h"
#include "platform/widgets/FileFolders.h"

TEST(FileChooser, convertsFormFiltersToQtFilters) {
  EXPECT_EQ(FileChooser::ToQtFilter(QStringLiteral("FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt")),
            QStringLiteral("FIR files (*.Csv);;FIR files (*.Txt)"));
  EXPECT_EQ(FileChooser::ToQtFilter(QStringLiteral("Setting|*.prs;*.PRS")),
            QStringLiteral("Setting (*.prs *.PRS)"));
  EXPECT_EQ(FileChooser::ToQtFilter(QString()), QString());
}

TEST(FileChooser, hookAnswersInsteadOfADialog) {
  FileChoice seen;
  FileChooser::SetHook([&](const FileChoice& choice) -> std::optional<QString> {
    seen = choice;
    return choice.kind == FileChoice::Kind::Save ? std::optional<QString>(QStringLiteral("/tmp/x.prs"))
                                                 : std::nullopt;
  });
  EXPECT_EQ(FileChooser::Choose(nullptr, {FileChoice::Kind::Save, QStringLiteral("Save"), {}, {}}),
            QStringLiteral("/tmp/x.prs"));
  EXPECT_EQ(seen.title, QStringLiteral("Save"));
  EXPECT_FALSE(FileChooser::Choose(nullptr, {FileChoice::Kind::Open, {}, {}, {}}).has_value());
  FileChooser::SetHook({});
}

TEST(FileChooser, eitherHookAnswersBothEntries) {
  FileChooser::SetHook([](const FileChoice&) -> std::optional<QString> { return QStringLiteral("/tmp/one"); });
  FileDialogChoice choice;
  choice.filterIndex = 3;
  const std::optional<FileAnswer> wrapped = FileChooser::ChooseFiles(nullptr, choice);
  ASSERT_TRUE(wrapped.has_value());
  EXPECT_EQ(wrapped->files, QStringList{QStringLiteral("/tmp/one")});
  EXPECT_EQ(wrapped->filterIndex, 3);
  FileChooser::SetHook({});

  FileChooser::SetFilesHook([](const FileDialogChoice& c) -> std::optional<FileAnswer> {
    return FileAnswer{{QStringLiteral("/tmp/a"), QStringLiteral("/tmp/b")}, c.filterIndex};
  });
  EXPECT_EQ(FileChooser::Choose(nullptr, {}), QStringLiteral("/tmp/a"));
  FileChooser::SetFilesHook([](const FileDialogChoice&) -> std::optional<FileAnswer> { return FileAnswer{}; });
  EXPECT_FALSE(FileChooser::ChooseFiles(nullptr, {}).has_value());
  FileChooser::SetFilesHook({});
}

TEST(FileChooser, startsInTheLastFolderOfTheSameKindOfFileElseTheHomeFolder) {
  QTemporaryDir settings;
  QTemporaryDir units;
  ASSERT_TRUE(settings.isValid() && units.isValid());
  FileFolders::Forget();
  QString startedIn;
  QString answer;
  FileChooser::SetFilesHook([&](const FileDialogChoice& c) -> std::optional<FileAnswer> {
    startedIn = c.directory;
    return FileAnswer{{answer}, c.filterIndex};
  });
  const auto choose = [&](const char* filter, FileChoice::Kind kind, const QString& chosen) {
    answer = chosen;
    FileChoice choice;
    choice.kind = kind;
    choice.filter = QString::fromLatin1(filter);
    FileChooser::Choose(nullptr, choice);
    return startedIn;
  };
  EXPECT_EQ(choose("*.prs|*.prs", FileChoice::Kind::Save, settings.filePath(QStringLiteral("a.prs"))), QDir::homePath());
  // Open and save of the same kind share the folder; another kind keeps its own.
  EXPECT_EQ(choose("*.prs|*.prs", FileChoice::Kind::Open, settings.filePath(QStringLiteral("a.prs"))), settings.path());
  EXPECT_EQ(choose("*.unt|*.unt", FileChoice::Kind::Open, units.filePath(QStringLiteral("b.unt"))), QDir::homePath());
  EXPECT_EQ(choose("*.unt|*.unt", FileChoice::Kind::Save, units.filePath(QStringLiteral("c.unt"))), units.path());
  EXPECT_EQ(choose("*.prs|*.prs", FileChoice::Kind::Open, settings.filePath(QStringLiteral("a.prs"))), settings.path());

  // A caller's own folder is kept and not taken as the kind's last folder.
  FileDialogChoice own;
  own.filter = QStringLiteral("*.prs|*.prs");
  own.directory = units.path();
  answer = units.filePath(QStringLiteral("d.prs"));
  FileChooser::ChooseFiles(nullptr, own);
  EXPECT_EQ(startedIn, units.path());
  EXPECT_EQ(choose("*.prs|*.prs", FileChoice::Kind::Open, settings.filePath(QStringLiteral("a.prs"))), settings.path());
  FileChooser::SetFilesHook({});
  FileFolders::Forget();
}
