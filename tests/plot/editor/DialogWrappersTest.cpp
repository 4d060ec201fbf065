#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <QDir>

#include "platform/widgets/ColorChooser.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/FontChooser.h"
#include "platform/widgets/TForm.h"
#include "plot/base/EPlotError.h"
#include "plot/editor/TiColorDialog.h"
#include "plot/editor/TiFontDialog.h"
#include "plot/editor/TiOpenDialog.h"
#include "plot/editor/TiSaveDialog.h"
#include "plot/editor/iDialogOwner.h"

namespace {

const QString kPictureFilter = QStringLiteral(
    "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png");

/// Answers every file dialog with a fixed answer (nothing: cancel) and
/// records what it was asked; removes itself at the end.
struct FileHook {
  explicit FileHook(std::optional<FileAnswer> answer) {
    FileChooser::SetFilesHook([this, answer](const FileDialogChoice& choice) {
      asked.push_back(choice);
      return answer;
    });
  }
  ~FileHook() { FileChooser::SetFilesHook({}); }
  std::vector<FileDialogChoice> asked;
};

}  // namespace

TEST(TiSaveDialog, AddsTheChosenEntrysExtensionUnlessTheNameHasOne) {
  struct Case {
    QString filter;
    int chosenIndex;
    QString typed;
    QString fileName;
    QString returnExt;
  };
  const QString jpeg = QStringLiteral("JPEG (*.jpg;*.jpeg)|*.jpg;*.jpeg|PNG|*.png");
  const Case cases[] = {
      {kPictureFilter, 4, QStringLiteral("plot"), QStringLiteral("plot.png"), QStringLiteral(".png")},
      {kPictureFilter, 4, QStringLiteral("plot.PNG"), QStringLiteral("plot.PNG"), QStringLiteral(".png")},
      {kPictureFilter, 4, QStringLiteral("plot.bmp"), QStringLiteral("plot.bmp.png"), QStringLiteral(".png")},
      {kPictureFilter, 1, QStringLiteral("plot"), QStringLiteral("plot.bmp"), QStringLiteral(".bmp")},
      {kPictureFilter, 4, QStringLiteral("/tmp/my.plots/plot"), QStringLiteral("/tmp/my.plots/plot.png"),
       QStringLiteral(".png")},
      {QStringLiteral("All files|*.*"), 1, QStringLiteral("plot"), QStringLiteral("plot"), QStringLiteral(".*")},
      {QString(), 1, QStringLiteral("plot"), QStringLiteral("plot"), QString()},
      {jpeg, 1, QStringLiteral("plot"), QStringLiteral("plot.jpg"), QStringLiteral(".jpg")},
      {jpeg, 1, QStringLiteral("plot.jpeg"), QStringLiteral("plot.jpeg"), QStringLiteral(".jpg")},
      {jpeg, 1, QStringLiteral("plot.JPG"), QStringLiteral("plot.JPG"), QStringLiteral(".jpg")},
      {jpeg, 2, QStringLiteral("plot.jpg"), QStringLiteral("plot.jpg.png"), QStringLiteral(".png")},
      // An entry without a pattern adds nothing, and the entries after it keep their own.
      {QStringLiteral("Any||PNG|*.png"), 1, QStringLiteral("plot"), QStringLiteral("plot"), QString()},
      {QStringLiteral("Any||PNG|*.png"), 2, QStringLiteral("plot"), QStringLiteral("plot.png"), QStringLiteral(".png")},
      {QStringLiteral("Any| ; |PNG|*.png"), 1, QStringLiteral("plot"), QStringLiteral("plot"), QString()},
  };
  TForm form;
  for (const Case& c : cases) {
    FileHook hook(FileAnswer{{c.typed}, c.chosenIndex});
    TiSaveDialog dialog(&form);
    dialog.SetFilter(c.filter);
    dialog.SetFilterIndex(4);
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), c.fileName) << c.typed.toStdString();
    EXPECT_EQ(dialog.ReturnExt(), c.returnExt) << c.typed.toStdString();
    EXPECT_EQ(dialog.FilterIndex(), c.chosenIndex);
  }
}

TEST(TiSaveDialog, AsksWithItsPropertiesAndStartsInTheCurrentFolder) {
  TForm form;
  FileHook hook(FileAnswer{{QStringLiteral("x.png")}, 4});
  TiSaveDialog dialog(&form);
  EXPECT_EQ(dialog.FilterIndex(), 1);
  dialog.SetFilter(kPictureFilter);
  dialog.SetFilterIndex(3);
  dialog.SetDefaultExt(QStringLiteral("jpg"));
  dialog.SetFileName(QStringLiteral("old"));
  ASSERT_TRUE(dialog.Execute());
  ASSERT_EQ(hook.asked.size(), 1u);
  const FileDialogChoice& asked = hook.asked[0];
  EXPECT_EQ(asked.kind, FileChoice::Kind::Save);
  EXPECT_EQ(asked.filter, kPictureFilter);
  EXPECT_EQ(asked.filterIndex, 3);
  EXPECT_EQ(asked.defaultExt, QStringLiteral("jpg"));
  EXPECT_EQ(asked.initialPath, QStringLiteral("old"));
  EXPECT_EQ(asked.directory, QStringLiteral("."));
  dialog.SetDefaultDir(QStringLiteral("/srv/plots"));
  dialog.Execute();
  EXPECT_EQ(hook.asked[1].directory, QStringLiteral("/srv/plots"));
}

TEST(TiOpenDialog, MultiSelectionFillsFilesWithAbsolutePathsAndFileNameWithTheFirst) {
  TForm form;
  FileHook hook(FileAnswer{{QStringLiteral("/data/a.txt"), QStringLiteral("b.txt")}, 1});
  TiOpenDialog dialog(&form);
  dialog.SetAllowMultiSelect(true);
  dialog.SetFileMustExist(true);
  dialog.SetDefaultDir(QStringLiteral("/data"));
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Files(), (QStringList{QStringLiteral("/data/a.txt"), QStringLiteral("/data/b.txt")}));
  EXPECT_EQ(dialog.FileName(), QStringLiteral("/data/a.txt"));
  EXPECT_TRUE(hook.asked[0].multiSelect);
  EXPECT_TRUE(hook.asked[0].fileMustExist);

  dialog.SetDefaultDir({});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Files()[1], QDir::current().absoluteFilePath(QStringLiteral("b.txt")));
}

TEST(TiOpenDialog, ASingleFileIsTakenAsChosen) {
  TForm form;
  FileHook hook(FileAnswer{{QStringLiteral("c.txt")}, 1});
  TiOpenDialog dialog(&form);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Files(), QStringList{QStringLiteral("c.txt")});
  EXPECT_EQ(dialog.FileName(), QStringLiteral("c.txt"));
  EXPECT_FALSE(hook.asked[0].multiSelect);
  EXPECT_EQ(hook.asked[0].kind, FileChoice::Kind::Open);
}

TEST(DialogWrappers, ACancelLeavesEveryProperty) {
  TForm form;
  FileHook files(std::nullopt);
  TiSaveDialog save(&form);
  save.SetFileName(QStringLiteral("keep"));
  save.SetFilter(kPictureFilter);
  save.SetFilterIndex(2);
  EXPECT_FALSE(save.Execute());
  EXPECT_EQ(save.FileName(), QStringLiteral("keep"));
  EXPECT_EQ(save.FilterIndex(), 2);
  EXPECT_EQ(save.ReturnExt(), QString());

  TiOpenDialog open(&form);
  open.SetFileName(QStringLiteral("keep"));
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), QStringLiteral("keep"));
  EXPECT_TRUE(open.Files().isEmpty());

  ColorChooser::SetHook([](const ColorChoice&) { return std::nullopt; });
  TiColorDialog color(&form);
  color.SetColor(clRed);
  EXPECT_FALSE(color.Execute());
  EXPECT_EQ(color.Color(), clRed);
  ColorChooser::SetHook({});

  FontChooser::SetHook([](const FontChoice&) { return std::nullopt; });
  TiFontDialog font(&form);
  const TFont before = font.Font();
  EXPECT_FALSE(font.Execute());
  EXPECT_TRUE(font.Font() == before);
  FontChooser::SetHook({});
}

TEST(DialogWrappers, FileDialogsNeedAWindowedOwnerAndUseTheFormAboveIt) {
  FileHook hook(FileAnswer{{QStringLiteral("x")}, 1});
  TiOpenDialog orphan;
  EXPECT_FALSE(orphan.Execute());
  TiSaveDialog orphanSave;
  EXPECT_FALSE(orphanSave.Execute());
  EXPECT_TRUE(hook.asked.empty());

  TForm form;
  auto* panel = new TWinControl(&form);
  auto* inner = new TWinControl(panel);
  EXPECT_EQ(FileDialogOwnerWindow(inner), &form);
  TWinControl outer;
  auto* child = new TWinControl(&outer);
  EXPECT_EQ(FileDialogOwnerWindow(child), &outer);
  QObject plain;
  EXPECT_EQ(FileDialogOwnerWindow(&plain), nullptr);
}

TEST(TiColorDialog, StartsFromTheRgbWithSixteenWhiteCustomColoursEachTime) {
  TForm form;
  std::vector<ColorChoice> asked;
  ColorChooser::SetHook([&](const ColorChoice& choice) -> std::optional<TColor> {
    asked.push_back(choice);
    return RGB(1, 2, 3);
  });
  TiColorDialog dialog(&form);
  dialog.SetColor(clBtnFace);
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), RGB(1, 2, 3));
  ASSERT_TRUE(dialog.Execute());
  ColorChooser::SetHook({});
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].color, ColorToRGB(clBtnFace));
  EXPECT_EQ(asked[1].color, RGB(1, 2, 3));
  for (const ColorChoice& choice : asked) {
    for (const TColor custom : choice.customColors) {
      EXPECT_EQ(custom, 0xFFFFFFu);
    }
  }
}

TEST(DialogWrappers, ColourAndFontDialogsRefuseAnOwnerThatIsNoWindowedControl) {
  QObject plain;
  TiColorDialog color(&plain);
  TiFontDialog font;
  for (const auto& execute : {std::function<bool()>([&] { return color.Execute(); }),
                              std::function<bool()>([&] { return font.Execute(); })}) {
    try {
      execute();
      ADD_FAILURE() << "no error";
    } catch (const EPlotError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Invalid class typecast"));
    }
  }
}

TEST(TiFontDialog, TakesTheChosenFontAndItsCharsetOnlyWithANewFace) {
  struct Case {
    QString face;
    int expectedCharset;
  };
  const Case cases[] = {{QStringLiteral("Tahoma"), DEFAULT_CHARSET},
                        {QStringLiteral("TAHOMA"), DEFAULT_CHARSET},
                        {QStringLiteral("Arial"), GB2312_CHARSET}};
  TForm form;
  for (const Case& c : cases) {
    FontChoice seen;
    FontChooser::SetHook([&](const FontChoice& choice) -> std::optional<FontChoice> {
      seen = choice;
      FontChoice answer = choice;
      answer.faceName = c.face;
      answer.charset = GB2312_CHARSET;
      answer.height = -16;
      answer.weight = 700;
      answer.italic = true;
      answer.color = clRed;
      return answer;
    });
    TiFontDialog dialog(&form);
    dialog.Font().SetName(QStringLiteral("Tahoma"));
    dialog.Font().SetStyle({TFontStyle::fsUnderline});
    ASSERT_TRUE(dialog.Execute());
    FontChooser::SetHook({});
    EXPECT_EQ(seen.faceName, QStringLiteral("Tahoma"));
    EXPECT_TRUE(seen.underline);
    EXPECT_EQ(seen.weight, 400);
    EXPECT_EQ(dialog.Font().Name(), c.face);
    EXPECT_EQ(dialog.Font().Charset(), c.expectedCharset) << c.face.toStdString();
    EXPECT_EQ(dialog.Font().Height(), -16);
    EXPECT_EQ(dialog.Font().Color(), clRed);
    EXPECT_TRUE(dialog.Font().Style() == (TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline}));
  }
}
