#include <gtest/gtest.h>

#include "platform/widgets/FileChooser.h"

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
