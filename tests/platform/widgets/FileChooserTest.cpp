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
