#include "platform/widgets/TEdit.h"

#include <gtest/gtest.h>

#include <QLineEdit>

namespace {

TEST(TEdit, AlignmentAndReadOnlyReachTheLine) {
  TEdit edit;
  edit.SetText(QStringLiteral("7B7D01410000007D7B"));
  edit.SetAlignment(TAlignment::taCenter);
  edit.SetReadOnly(true);
  auto* line = edit.findChild<QLineEdit*>();
  EXPECT_TRUE(line->isReadOnly());
  EXPECT_TRUE(line->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(edit.Alignment(), TAlignment::taCenter);
}

}  // namespace
