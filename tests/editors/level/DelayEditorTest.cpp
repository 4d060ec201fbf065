#include <gtest/gtest.h>

#include "editors/level/DelayEditor.h"

// One dash per 6 pixels between the line's start (40) and the picture, as
// far as a widened window places it: no fixed template cuts a long line.
TEST(DelayEditor, DashesBefore_fillTheLineUpToThePictureWhateverItsLength) {
  const struct {
    int pictureLeft;
    int dashes;
  } cases[] = {{40, 0}, {45, 0}, {46, 1}, {425, 64}, {1000, 160}, {10, 0}};
  for (const auto& c : cases) {
    const QString line = DelayEditor::DashesBefore(c.pictureLeft);
    EXPECT_EQ(line, QString(c.dashes, QLatin1Char('-'))) << c.pictureLeft;
  }
}
