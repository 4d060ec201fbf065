#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QTemporaryDir>

#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/FontChooser.h"
#include "tests/support/ModalDialogCloser.h"

// The choosers without hooks: the real dialogs, answered by the closer.

TEST(ChooserDialogs, fileDialogTakesTheOptionsAndGivesTheChosenFilterEntry) {
  QTemporaryDir dir;
  ModalDialogCloser closer([&](QWidget* shown) {
    auto* dialog = qobject_cast<QFileDialog*>(shown);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Bitmap (*.bmp)"));
    dialog->selectNameFilter(QStringLiteral("PNG (*.png)"));
    dialog->selectFile(QStringLiteral("out"));
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogChoice choice;
  choice.kind = FileChoice::Kind::Save;
  choice.filter = QStringLiteral("Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png");
  choice.directory = dir.path();
  choice.defaultExt = QStringLiteral("png");
  const std::optional<FileAnswer> answer = FileChooser::ChooseFiles(nullptr, choice);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->files, QStringList{dir.filePath(QStringLiteral("out.png"))});
  EXPECT_EQ(answer->filterIndex, 2);
}

TEST(ChooserDialogs, openDialogForSeveralFilesWantsExistingOnes) {
  QTemporaryDir dir;
  for (const char* name : {"a.txt", "b.txt"}) {
    QFile file(dir.filePath(QLatin1String(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  ModalDialogCloser closer([&](QWidget* shown) {
    auto* dialog = qobject_cast<QFileDialog*>(shown);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
    dialog->selectFile(QStringLiteral("a.txt"));
    static_cast<QDialog*>(dialog)->accept();
  });
  FileDialogChoice choice;
  choice.directory = dir.path();
  choice.multiSelect = true;
  const std::optional<FileAnswer> answer = FileChooser::ChooseFiles(nullptr, choice);
  ASSERT_TRUE(answer.has_value());
  EXPECT_EQ(answer->files, QStringList{dir.filePath(QStringLiteral("a.txt"))});
}

TEST(ChooserDialogs, cancelledDialogsAnswerNothing) {
  ModalDialogCloser closer;
  EXPECT_FALSE(FileChooser::ChooseFiles(nullptr, {}).has_value());
  EXPECT_FALSE(ColorChooser::Choose(nullptr, {}).has_value());
  FontChoice tahoma;
  tahoma.faceName = QStringLiteral("Tahoma");
  EXPECT_FALSE(FontChooser::Choose(nullptr, tahoma).has_value());
  EXPECT_EQ(closer.Texts().size(), 3);
}

TEST(ChooserDialogs, colourDialogOffersTheCustomColoursAndGivesRgb) {
  QColorDialog::setCustomColor(3, Qt::red);
  ModalDialogCloser closer([&](QWidget* shown) {
    auto* dialog = qobject_cast<QColorDialog*>(shown);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->currentColor(), QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(QColorDialog::customColor(3), QColor(Qt::white));
    dialog->setCurrentColor(QColor(10, 20, 30));
    static_cast<QDialog*>(dialog)->accept();
  });
  ColorChoice choice;
  choice.color = RGB(0x30, 0x20, 0x10);
  choice.customColors.fill(0xFFFFFF);
  EXPECT_EQ(ColorChooser::Choose(nullptr, choice), RGB(10, 20, 30));
}

TEST(ChooserDialogs, fontDialogGivesFaceHeightAndStyleAndKeepsColourAndCharset) {
  QFont accepted;
  ModalDialogCloser closer([&](QWidget* shown) {
    auto* dialog = qobject_cast<QFontDialog*>(shown);
    ASSERT_NE(dialog, nullptr);
    QFont font(dialog->currentFont());
    font.setPixelSize(16);
    font.setBold(true);
    dialog->setCurrentFont(font);
    // The dialog keeps only the styles the face has.
    accepted = dialog->currentFont();
    static_cast<QDialog*>(dialog)->accept();
  });
  FontChoice start;
  start.faceName = QStringLiteral("Tahoma");
  start.height = -11;
  start.charset = GB2312_CHARSET;
  start.color = clRed;
  const std::optional<FontChoice> chosen = FontChooser::Choose(nullptr, start);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->faceName, accepted.family());
  EXPECT_EQ(chosen->height, -16);
  EXPECT_EQ(chosen->weight, accepted.weight());
  EXPECT_EQ(chosen->italic, accepted.italic());
  EXPECT_EQ(chosen->charset, GB2312_CHARSET);
  EXPECT_EQ(chosen->color, clRed);
}
