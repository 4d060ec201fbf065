#include <gtest/gtest.h>

#include <optional>

#include <QBuffer>
#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QPointer>

#include "platform/drawing/GdiConstants.h"
#include "platform/files/VersionInfo.h"
#include "platform/widgets/TForm.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/gdiplus/TGPGraphics.h"
#include "widgets/gdiplus/TGPImage.h"
#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"
#include "widgets/smooth/splash/SplashDrawing.h"
#include "widgets/smooth/splash/TBasicProgramInfo.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"
#include "widgets/smooth/splash/TSplashListItemsSettings.h"
#include "widgets/smooth/splash/TSplashPainter.h"
#include "widgets/smooth/splash/TSplashScreenWindow.h"

namespace {

QByteArray SplashPngOf(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(QColor(20, 30, 60));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

// A splash whose fades record their waits instead of sleeping and whose
// presents are recorded.
struct RecordingSplash {
  explicit RecordingSplash(TForm* owner = nullptr) : splash(owner) {
    splash.SetSleepFunction([this](int ms) {
      sleeps.append(ms);
      if (splash.SplashWindow() != nullptr && !splash.SplashWindow()->Layered()) {
        alphas.append(splash.SplashWindow()->AlphaBlendValue());
      }
    });
    splash.SetPresentObserver([this](const QImage& buffer, int opacity, const QRect& geometry) {
      opacities.append(opacity);
      last = buffer;
      where = geometry;
    });
    splash.Fill().SetColor(RGB(30, 40, 80));
    splash.Fill().SetColorTo(RGB(30, 40, 80));
    splash.Fill().SetBorderColor(clNone);
  }
  void MakeLayered() { splash.Fill().SetOpacity(249); }

  TAdvSmoothSplashScreen splash;
  QList<int> sleeps;
  QList<int> alphas;
  QList<int> opacities;
  QImage last;
  QRect where;
};

QList<int> Range(int from, int to, int step) {
  QList<int> values;
  for (int v = from; step > 0 ? v <= to : v >= to; v += step) {
    values.append(v);
  }
  return values;
}

}  // namespace

TEST(TAdvSmoothSplashScreen, WindowSize_byPictureAndBorderWidth) {
  struct Case {
    int borderWidth;
    bool picture;
    QSize size;
  };
  const Case cases[] = {{3, true, {204, 104}}, {0, true, {200, 100}}, {1, true, {202, 102}}, {3, false, {600, 400}}};
  for (const Case& c : cases) {
    RecordingSplash r;
    r.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
    r.splash.Fill().SetBorderWidth(c.borderWidth);
    if (c.picture) {
      r.splash.Fill().Picture().LoadFromBytes(SplashPngOf(200, 100));
    }
    r.splash.Show();
    ASSERT_NE(r.splash.SplashWindow(), nullptr);
    EXPECT_EQ(r.splash.SplashWindow()->size(), c.size) << c.borderWidth;
    r.splash.Hide();
  }
}

TEST(TAdvSmoothSplashScreen, LayeredFade_presentsEveryStepAndFadesOutBeforeFreeing) {
  RecordingSplash r;
  r.MakeLayered();
  r.splash.SetMaxOpacity(100);  // plays no part in layered mode
  r.splash.Show();
  QList<int> expected = Range(5, 245, 20);
  expected.append(255);
  EXPECT_EQ(r.opacities, expected);
  EXPECT_EQ(r.sleeps, QList<int>(expected.size() - 2, 5));
  r.opacities.clear();
  QPointer<TSplashScreenWindow> window = r.splash.SplashWindow();
  r.splash.Hide();
  QList<int> out = Range(235, 15, -20);
  out.append(10);
  EXPECT_EQ(r.opacities, out);
  EXPECT_TRUE(window.isNull());
}

TEST(TAdvSmoothSplashScreen, PlainFade_risesByFiveToMaxOpacity) {
  RecordingSplash r;
  r.splash.SetMaxOpacity(128);
  r.splash.Show();
  QList<int> expected = Range(10, 125, 5);
  expected.append(128);
  EXPECT_EQ(r.alphas, expected);
  EXPECT_EQ(r.splash.SplashWindow()->AlphaBlendValue(), 128);
  EXPECT_EQ(r.sleeps, QList<int>(expected.size(), 5));
  r.splash.Hide();

  RecordingSplash normal;
  normal.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  normal.splash.SetMaxOpacity(100);
  normal.splash.Show();
  EXPECT_EQ(normal.splash.SplashWindow()->AlphaBlendValue(), 255);
  EXPECT_TRUE(normal.sleeps.isEmpty());
}

TEST(TAdvSmoothSplashScreen, Region_rtTopUnitesTheRoundedAndTheLowerRectangle) {
  RecordingSplash r;
  r.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  r.splash.Fill().SetRounding(10);
  r.splash.Fill().SetRoundingType(TFillRoundingType::rtTop);
  r.splash.Show();
  TRegion expected;
  expected.Combine(TRegion::CreateRoundRectRgn(0, 0, 601, 400, 20, 20), TRegion::CreateRectRgn(0, 20, 600, 400),
                   RGN_OR);
  EXPECT_EQ(r.splash.SplashWindow()->WindowRegion(), expected);
  EXPECT_FALSE(r.splash.SplashWindow()->WindowRegion().Contains(0, 0));
}

TEST(TAdvSmoothSplashScreen, FixedPosition_andNeverActive) {
  RecordingSplash r;
  r.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  r.splash.SetDisplayLocation(TDisplayLocation::dlFixedPos);
  r.splash.SetDisplayPosX(10);
  r.splash.SetDisplayPosY(20);
  r.splash.Show(300, 200);
  EXPECT_EQ(r.splash.SplashWindow()->pos(), QPoint(10, 20));
  EXPECT_TRUE(r.splash.SplashWindow()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
  EXPECT_TRUE(r.splash.SplashWindow()->testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(TAdvSmoothSplashScreen, MainFormShow_hidesOnceAndRunsTheFormerHandlerOnce) {
  TForm form;
  int formerRuns = 0;
  form.OnShow = [&](TObject*) { ++formerRuns; };
  RecordingSplash r(&form);
  r.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  int closes = 0;
  r.splash.OnClose = [&](TObject*) { ++closes; };
  r.splash.Show();
  EXPECT_TRUE(r.splash.Showing());
  form.show();
  EXPECT_FALSE(r.splash.Showing());
  EXPECT_EQ(r.splash.SplashWindow(), nullptr);
  EXPECT_EQ(formerRuns, 1);
  EXPECT_EQ(closes, 1);
  form.hide();
  form.show();
  EXPECT_EQ(formerRuns, 2);
  EXPECT_EQ(closes, 1);
}

TEST(TAdvSmoothSplashScreen, DestroyedWhileShowing_hidesAndGivesTheFormItsOnShowBack) {
  TForm form;
  QPointer<TSplashScreenWindow> window;
  int closes = 0;
  {
    RecordingSplash r(&form);
    r.MakeLayered();
    r.splash.OnClose = [&](TObject*) { ++closes; };
    r.splash.Show();
    window = r.splash.SplashWindow();
    ASSERT_FALSE(window.isNull());
    r.opacities.clear();
  }
  EXPECT_TRUE(window.isNull());
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(bool(form.OnShow));
  form.show();  // nothing left to call into
}

TEST(TAdvSmoothSplashScreen, ProgressEvents_comeFromTheBarsSetters) {
  RecordingSplash r;
  r.MakeLayered();
  r.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  r.splash.ProgressBar().SetVisible(true);
  r.splash.ProgressBar().SetMaximum(200);
  r.splash.ProgressBar().SetPosition(100);
  int changes = 0;
  QList<double> positions;
  r.splash.OnProgressChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &r.splash);
    ++changes;
  };
  r.splash.OnProgressPositionChanged = [&](TObject*, double value) { positions.append(value); };
  r.splash.Show();
  // The layered bar is drawn for 0..100 whatever its maximum: position 100 is full.
  const TRect bar{50, 100, 350, 117};
  const TGPRectF done = r.splash.ProgressBar().CalculateProgressRectangle(bar, 0, 100, 100);
  EXPECT_FLOAT_EQ(done.Width, 299);
  const QRgb inside = r.last.pixel(340, 108);
  const QRgb background = r.last.pixel(20, 108);
  EXPECT_NE(inside, background);
  r.splash.SplashWindow()->ProgressBar().SetPosition(40);
  r.splash.SplashWindow()->ProgressBar().SetPosition(40);
  r.splash.SplashWindow()->ProgressBar().SetMinimum(10);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(positions.last(), 40);
}

TEST(TAdvSmoothSplashScreen, Painter_textAreaNamesAndScrollingList) {
  TAdvSmoothSplashScreen splash(nullptr);
  splash.Fill().SetBorderColor(clNone);
  TSplashHeadingText& name = splash.BasicProgramInfo().ProgramName();
  name.SetText(QStringLiteral("Name"));
  name.SetLocation(TItemLocation::ilCustom);
  name.SetPosX(45);
  name.SetPosY(130);
  TSplashHeadingText& version = splash.BasicProgramInfo().ProgramVersion();
  version.SetText(QStringLiteral("V1.0"));
  TGPBitmap buffer(622, 352);
  TGPGraphics g(&buffer);
  TSplashPainter painter(splash, 622, 352);
  const TRect t = painter.TextArea();
  EXPECT_EQ(t.Left, 0);
  EXPECT_EQ(t.Top, 0);
  EXPECT_EQ(t.Right, 616);
  EXPECT_EQ(t.Bottom, 351);
  EXPECT_EQ(painter.NamePosition(g).X, 45);
  EXPECT_EQ(painter.NamePosition(g).Y, 130);
  // Both top-left: the version sits one pixel right of the name, centred on it.
  name.SetLocation(TItemLocation::ilTopLeft);
  const TSize n = DrawSplashText(g, name, 0, 0, splash.RenderingHint(), true);
  const TSize v = DrawSplashText(g, version, 0, 0, splash.RenderingHint(), true);
  EXPECT_EQ(painter.VersionPosition(g).X, n.cx + 1);
  EXPECT_EQ(painter.VersionPosition(g).Y, (n.cy - v.cy) / 2);

  TListItemsRect& rect = splash.ListItemsSettings().Rect();
  rect.SetHeight(60);
  for (int i = 0; i < 6; ++i) {
    splash.ListItems().Add().SetHTMLText(QStringLiteral("line %1").arg(i));
  }
  painter.PaintListItems(g);
  int shown = 0;
  for (int i = 0; i < 6; ++i) {
    const TRect d = splash.ListItems().Items(i).DisplayRect();
    if (d.Top == -1) {
      EXPECT_EQ(d.Bottom, -1);
      EXPECT_EQ(shown, 0) << "the oldest lines go first";
    } else {
      ++shown;
    }
  }
  EXPECT_GT(shown, 0);
  EXPECT_LT(shown, 6);
  EXPECT_EQ(splash.ListItems().Items(6 - shown).DisplayRect().Top, rect.Top());
}

TEST(TAdvSmoothSplashScreen, Loaded_takesProgramTextsFromTheVersionInformation) {
  struct Case {
    const char* name;
    std::optional<TVersionInfoBlock> block;
    bool autoLoad;
    const char* copyRight;
    const char* programName;
    const char* programVersion;
  };
  const TVersionTranslation chinese{0x0804, 0x04B0};
  const auto path = [&](const char* name) { return VersionInfo::StringPath(chinese, QLatin1String(name)); };
  const TVersionInfoBlock full{{chinese, {0x0409, 0x04E4}},
                               {{path("LegalCopyright"), QStringLiteral("(c) Maker")},
                                {QLatin1Char('\\') + path("ProductName"), QStringLiteral("Editor")},
                                {path("FileVersion"), QStringLiteral("2.1.0.7")}}};
  const TVersionInfoBlock noCopyright{{chinese}, {{path("ProductName"), QStringLiteral("Editor")},
                                                  {path("FileVersion"), QStringLiteral("2.1.0.7")}}};
  // Values of the second translation only, or under a lower-case path, are not found.
  const TVersionInfoBlock otherTranslation{
      {chinese, {0x0409, 0x04E4}},
      {{QStringLiteral("StringFileInfo\\040904E4\\ProductName"), QStringLiteral("English")},
       {QStringLiteral("StringFileInfo\\080404b0\\FileVersion"), QStringLiteral("lower")}}};
  const Case cases[] = {
      {"no version information", std::nullopt, true, "stored", "Stored name", "Stored version"},
      {"all three", full, true, "(c) Maker", "Editor", "2.1.0.7"},
      {"AutoLoad off", full, false, "stored", "Stored name", "Stored version"},
      {"no LegalCopyright", noCopyright, true, "", "Editor", "2.1.0.7"},
      {"first translation only", otherTranslation, true, "", "", ""},
      {"no translation", TVersionInfoBlock{{}, {{path("ProductName"), QStringLiteral("Editor")}}}, true, "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QStringList asked;
    VersionInfo::SetHook([&](const QString& fileName) {
      asked.append(fileName);
      return c.block;
    });
    TAdvSmoothSplashScreen splash(nullptr);
    splash.SetAutoShow(false);
    splash.BasicProgramInfo().SetAutoLoad(c.autoLoad);
    splash.BasicProgramInfo().SetCopyRight(QStringLiteral("stored"));
    splash.BasicProgramInfo().ProgramName().SetText(QStringLiteral("Stored name"));
    splash.BasicProgramInfo().ProgramVersion().SetText(QStringLiteral("Stored version"));
    splash.Loaded();
    VersionInfo::SetHook({});
    EXPECT_EQ(splash.BasicProgramInfo().CopyRight(), QLatin1String(c.copyRight));
    EXPECT_EQ(splash.BasicProgramInfo().ProgramName().Text(), QLatin1String(c.programName));
    EXPECT_EQ(splash.BasicProgramInfo().ProgramVersion().Text(), QLatin1String(c.programVersion));
    EXPECT_EQ(asked, c.autoLoad ? QStringList{QCoreApplication::applicationFilePath()} : QStringList{});
    EXPECT_FALSE(splash.Showing());
  }
}

TEST(TAdvSmoothSplashScreen, Loaded_withoutAHookKeepsTheStoredTexts) {
  TAdvSmoothSplashScreen splash(nullptr);
  splash.SetAutoShow(false);
  splash.BasicProgramInfo().ProgramName().SetText(QStringLiteral("KRV-71"));
  splash.Loaded();
  EXPECT_EQ(splash.BasicProgramInfo().ProgramName().Text(), QStringLiteral("KRV-71"));
}

TEST(TAdvSmoothSplashScreen, CloseTimer_hidesThenFocusesTheMainFormWithoutMovingTheCursor) {
  TForm mainForm;
  mainForm.SetBounds(100, 100, 200, 150);
  TForm other;
  other.SetBounds(400, 100, 200, 150);
  RecordingSplash r(&mainForm);
  r.splash.SetDisplayStyle(TDisplayStyle::dsNormal);
  r.splash.SetCloseOnMainFormShow(false);
  r.splash.SetCloseOnTimeout(true);
  r.splash.SetTimeOut(100);
  r.splash.SetFocusParentForm(true);
  int closes = 0;
  r.splash.OnClose = [&](TObject*) { ++closes; };
  mainForm.show();
  other.show();
  other.activateWindow();
  ASSERT_TRUE(ProcessEventsUntil([&] { return other.isActiveWindow(); }));
  const QPoint cursor = QCursor::pos();
  r.splash.Show();
  ASSERT_TRUE(r.splash.Showing());
  EXPECT_TRUE(ProcessEventsUntil([&] { return !r.splash.Showing(); }));
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(ProcessEventsUntil([&] { return mainForm.isActiveWindow(); }));
  EXPECT_EQ(QCursor::pos(), cursor);

  r.splash.SetFocusToForm(&other);
  EXPECT_TRUE(ProcessEventsUntil([&] { return other.isActiveWindow(); }));
  EXPECT_EQ(QCursor::pos(), cursor);
}

TEST(TAdvSmoothSplashScreen, StylePresets_colourTheFillVertically) {
  struct Case {
    TStylePreset style;
    TColor color, colorTo, mirror, mirrorTo, border;
    bool mirrorVertical;
  };
  const Case cases[] = {
      {TStylePreset::tsOffice2003Blue, 0xFDEADA, 0xE4AE88, clNone, clNone, 0xDFD2C5, false},
      {TStylePreset::tsOffice2007Obsidian, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0x000000, true},
      {TStylePreset::tsWindowsXP, clBtnFace, clBtnFace, clNone, clNone, 0x000000, false},
      {TStylePreset::tsOffice2010Black, 0xBFBFBF, 0x919191, clNone, clNone, 0x6D6D6D, false},
  };
  for (const Case& c : cases) {
    TAdvSmoothSplashScreen splash(nullptr);
    splash.Fill().SetGradientType(TAdvGradientType::gtHorizontal);
    splash.Fill().SetGradientMirrorType(TAdvGradientType::gtHorizontal);
    splash.SetComponentStyle(c.style);
    const TGDIPFill& f = splash.Fill();
    EXPECT_EQ(f.GradientType(), TAdvGradientType::gtVertical) << int(c.style);
    EXPECT_EQ(f.Color(), c.color);
    EXPECT_EQ(f.ColorTo(), c.colorTo);
    EXPECT_EQ(f.ColorMirror(), c.mirror);
    EXPECT_EQ(f.ColorMirrorTo(), c.mirrorTo);
    EXPECT_EQ(f.BorderColor(), c.border);
    EXPECT_EQ(f.GradientMirrorType(), c.mirrorVertical ? TAdvGradientType::gtVertical : TAdvGradientType::gtHorizontal);
  }
  TAdvSmoothSplashScreen custom(nullptr);
  custom.Fill().SetGradientType(TAdvGradientType::gtHorizontal);
  const TColor before = custom.Fill().Color();
  custom.SetComponentStyle(TStylePreset::tsCustom);
  EXPECT_EQ(custom.Fill().GradientType(), TAdvGradientType::gtVertical);
  EXPECT_EQ(custom.Fill().Color(), before);
  EXPECT_EQ(custom.Version(), QStringLiteral("1.2.0.0"));
}
