#include <algorithm>
#include <bit>
#include <cmath>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmFirDownload.h"
#include "dialogs/TfmInformation.h"
#include "dialogs/TfmPeqRst.h"
#include "firdesign/FirDesignEngine.h"
#include "firdesign/FirDesignForm.h"
#include "firdesign/TfmFirDesign.h"
#include "link/LUnitSession.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TEdit.h"
#include "platform/widgets/TLabel.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "protocol/CommandCodes.h"
#include "tests/app/PtyUnitWindow.h"
#include "tests/firdesign/ResponseFileWriter.h"
#include "tests/support/FixturePath.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/smooth/TCurvyEdit.h"
#include "widgets/smooth/TEmptyEdit.h"
#include "widgets/vr/TVrDemoButton.h"

using namespace std::chrono_literals;

namespace {

constexpr auto kDesignerReadOutLimit = 60s;

/// The main window with the designer, its confirmations and the information
/// dialog as the program makes them, on the pty of a simulated unit, for the
/// whole suite.
class FirDesignerUnitSim : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    unit = new PtyUnitWindow;
    window = &unit->Window();
    sim = &unit->Sim();
    information = unit->Add<TfmInformation>(*window);
    download = unit->Add<TfmFirDownload>(*window);
    designer = unit->Add<TfmFirDesign>(window->FirDesigner());
    reset = unit->Add<TfmPeqRst>(*window);
    window->BindFirDesignDialogs(*designer, *reset, *download);
    ASSERT_TRUE(unit->StartUnit());
    ASSERT_TRUE(unit->LinkAndReadOut(kDesignerReadOutLimit));
  }
  static void TearDownTestSuite() {
    FileChooser::SetHook({});
    delete unit;
  }

  void SetUp() override { ASSERT_NE(designer, nullptr); }

  /// Shows the designer for the channel as its Design button does and runs
  /// `steps` inside it; the designer is closed afterwards. A message on the
  /// way is acknowledged as a user would; it is a failure unless `messages`
  /// collects it.
  static void InDesigner(int channel, const std::function<void()>& steps, QStringList* messages = nullptr) {
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [messages] {
      // Once answered, the message closes when the loop runs again.
      if (information->isVisible() && information->ModalResult() == mrNone) {
        if (messages != nullptr) {
          *messages << information->lbMessage->Caption();
        } else {
          ADD_FAILURE() << information->lbMessage->Caption().toStdString();
        }
        information->btnOK->Click();
      }
    });
    watch.start();
    QTimer::singleShot(0, designer, [steps] {
      steps();
      designer->Close();
    });
    window->ShowFirDesigner(channel);
  }

  static FirDesignForm& c() { return designer->Form(); }

  static void TypeAndEnter(TEdit& edit, const QString& text) {
    edit.SetText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit.findChild<QLineEdit*>(), &press);
  }

  static void PressKey(Qt::Key key, int times) {
    for (int i = 0; i < times; ++i) {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      QCoreApplication::sendEvent(c().cvdFirEqParam->InnerEdit(), &press);
    }
  }

  static void Toggle(TRzBmpButton& button) {
    button.SetDown(!button.Down());
    button.Click();
  }

  static void SetSwitch(TRzBmpButton& button, bool down) {
    if (button.Down() != down) {
      Toggle(button);
    }
  }

  /// Opens a file through the button's chooser, checking its filter.
  static void Open(TRzButton& button, const QString& filter, const QString& path) {
    FileChooser::SetHook([filter, path](const FileChoice& choice) -> std::optional<QString> {
      EXPECT_EQ(choice.filter, filter);
      EXPECT_EQ(choice.initialPath, QStringLiteral("*.txt"));
      return path;
    });
    button.Click();
    FileChooser::SetHook({});
  }

  /// The plot channel's value at the first point at or above `hertz`.
  static double ValueAt(int channel, double hertz) {
    const TiPlotChannel& curve = *c().fftFirDraw->Channel(channel);
    for (int i = 0; i < curve.Count(); ++i) {
      if (curve.GetX(i) >= hertz) return curve.GetY(i);
    }
    return NAN;
  }

  static std::vector<double> Points(int channel) {
    const TiPlotChannel& curve = *c().fftFirDraw->Channel(channel);
    std::vector<double> y;
    for (int i = 0; i < curve.Count(); ++i) y.push_back(curve.GetY(i));
    return y;
  }

  /// Downloads through the confirmation, answering OK or Cancel.
  static void Download(bool ok) {
    QTimer::singleShot(0, download, [ok] { (ok ? download->btnOK : download->btnCancel)->Click(); });
    c().rzbFirOutSetSend->Click();
  }

  static int ExtFirFrames(int channel) {
    int count = 0;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      count += frame.frame.code == CMD_EXT_FIR && !frame.frame.payload.empty() && frame.frame.payload[0] == channel;
    }
    return count;
  }

  static bool NameSent(const QByteArray& name) {
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
      if (frame.frame.code != CMD_FIR_NAME) continue;
      const auto& p = frame.frame.payload;
      if (std::search(p.begin(), p.end(), name.begin(), name.end()) != p.end()) return true;
    }
    return false;
  }

  /// The unit holds the design's first `taps` coefficients as 32-bit floats.
  static bool UnitHoldsDesign(int channel, int taps) {
    const SimFirArea area = sim->FirArea(0);
    const FirDesignEngine::Curve& values = designer->Engine().DesignCoefficients();
    for (int k = 0; k < taps; ++k) {
      if (area.Word(channel, k) != std::bit_cast<std::uint32_t>(static_cast<float>(values[std::size_t(k)]))) {
        return false;
      }
    }
    return true;
  }

  static PtyUnitWindow* unit;
  static TfmMain* window;
  static TfmInformation* information;
  static TfmFirDownload* download;
  static TfmFirDesign* designer;
  static TfmPeqRst* reset;
  static UnitSim* sim;
};

PtyUnitWindow* FirDesignerUnitSim::unit = nullptr;
TfmMain* FirDesignerUnitSim::window = nullptr;
TfmInformation* FirDesignerUnitSim::information = nullptr;
TfmFirDownload* FirDesignerUnitSim::download = nullptr;
TfmFirDesign* FirDesignerUnitSim::designer = nullptr;
TfmPeqRst* FirDesignerUnitSim::reset = nullptr;
UnitSim* FirDesignerUnitSim::sim = nullptr;

TEST_F(FirDesignerUnitSim, designFromAMeasurementReachesInputB) {
  bool ran = false;
  InDesigner(1, [&] {
    ran = true;
    EXPECT_EQ(c().lbFirOutSet->Caption(), QStringLiteral("In B Output Setting"));
    Open(*c().sbOpenFirFile, QStringLiteral("Smaart(*.txt)|*.Txt"),
         QString::fromStdString(FixturePath("firdesign/fixtures/mainleft.txt")));
    EXPECT_EQ(c().lbNowImportName->Caption(), QStringLiteral("mainleft"));
    EXPECT_EQ(c().edFirName->Text(), QStringLiteral("mainleft"));
    EXPECT_NEAR(ValueAt(FirDesignView::LoadMagnitude, 2500.0), 4.0, 0.1);
    // 512 taps, as the designer starts, whatever length an earlier case left.
    TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("512"));

    SetSwitch(*c().sbAutoGain, true);
    EXPECT_EQ(c().edFirImportGain->Text(), QStringLiteral("-0.4dB"));
    EXPECT_FALSE(c().edFirImportGain->isEnabled());
    SetSwitch(*c().rzbFirMagRangeOnOff, true);
    const TiPlotChannel& result = *c().fftFirDraw->Channel(FirDesignView::ResultMagnitude);
    for (int i = 0; i < result.Count(); ++i) {
      if (result.GetX(i) >= 1000.0 && result.GetX(i) <= 16000.0) {
        ASSERT_NEAR(result.GetY(i), 0.0, 0.5) << result.GetX(i);
      }
    }

    // Band 6 (757.9 Hz) raised by 30 steps of the Up key.
    const double flat512 = ValueAt(FirDesignView::ResultMagnitude, 757.9);
    c().rzbFirEq[5]->Click();
    PressKey(Qt::Key_Up, 30);
    auto* gainBox = designer->Controls().Find<TCurvyEdit>(QStringLiteral("cvdFirEqGain"));
    ASSERT_NE(gainBox, nullptr);
    EXPECT_EQ(gainBox->Text(), QStringLiteral("+3.0dB"));
    EXPECT_NEAR(ValueAt(FirDesignView::ResultMagnitude, 757.9) - flat512, 2.0, 0.2);
    TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("2048"));
    const double boosted2048 = ValueAt(FirDesignView::ResultMagnitude, 757.9);
    designer->vrbFirEqBypassClick(c().vrbFirEqBypass);
    EXPECT_NEAR(boosted2048 - ValueAt(FirDesignView::ResultMagnitude, 757.9), 2.85, 0.2);
    designer->vrbFirEqBypassClick(c().vrbFirEqBypass);

    // Smoothing and a target change the curves.
    const std::vector<double> plain = Points(FirDesignView::ResultMagnitude);
    c().rzcFirOutSetSmooth->SetItemIndex(3);
    c().rzcFirOutSetSmooth->OnChange(c().rzcFirOutSetSmooth);
    EXPECT_NE(Points(FirDesignView::ResultMagnitude), plain);
    c().rzcFirOutSetSmooth->SetItemIndex(0);
    c().rzcFirOutSetSmooth->OnChange(c().rzcFirOutSetSmooth);
    EXPECT_EQ(Points(FirDesignView::ResultMagnitude), plain);
    const QTemporaryDir folder;
    const std::filesystem::path target = folder.filePath(QStringLiteral("tilt.TXT")).toStdString();
    std::ofstream(target) << "Target\n100 -2 0\n1000 -2 0\n10000 -2 0\n20000 -2 0\n";
    Open(*c().sbOpenTargetFile, QStringLiteral("(*.txt)|*.Txt"), QString::fromStdString(target.string()));
    EXPECT_EQ(c().lbNowTargetName->Caption(), QStringLiteral("tilt"));
    Toggle(*c().rzblbTargetOnOff);
    EXPECT_NEAR(ValueAt(FirDesignView::TargetMagnitude, 1000.0), -2.0, 0.01);
    EXPECT_NE(Points(FirDesignView::ResultMagnitude), plain);
    Toggle(*c().rzblbTargetOnOff);
    EXPECT_EQ(Points(FirDesignView::ResultMagnitude), plain);

    TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("1024"));
    EXPECT_EQ(c().edFirOutSetDelay->Text(), QStringLiteral("5.333ms"));

    sim->ClearReceivedFrames();
    Download(false);
    ProcessEventsUntil([] { return false; }, 300ms);
    EXPECT_EQ(ExtFirFrames(1), 0);

    Download(true);
    EXPECT_FALSE(download->isVisible());
  });
  ASSERT_TRUE(ran);
  EXPECT_TRUE(ProcessEventsUntil([] { return ExtFirFrames(1) == 86; }, 30s)) << ExtFirFrames(1);
  EXPECT_TRUE(ProcessEventsUntil([] { return UnitHoldsDesign(1, 1024); }, 30s));
  EXPECT_TRUE(NameSent(QByteArrayLiteral("mainleft")));
  EXPECT_EQ(window->Controls().Find<TLabel>(QStringLiteral("lbNowFirNameInB"))->Caption(), QStringLiteral("mainleft"));
  EXPECT_EQ(window->Controls().Find<TLabel>(QStringLiteral("lbNowFirTapsInB"))->Caption(), QStringLiteral("1024"));
}

TEST_F(FirDesignerUnitSim, anOutputDesignTypedAt2000TapsGoesOutWith1024) {
  constexpr int kOut3 = 5;
  InDesigner(kOut3, [&] {
    EXPECT_EQ(c().lbFirOutSet->Caption(), QStringLiteral("Out 3 Output Setting"));
    // A flat design, whatever measurement an earlier case left loaded.
    SetSwitch(*c().rzbFirMagRangeOnOff, false);
    TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("32"));
    TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("2000"));
    EXPECT_EQ(c().edFirOutSetTaps->Text(), QStringLiteral("1024"));
    EXPECT_EQ(designer->Engine().DesignTaps(), 1024);
    sim->ClearReceivedFrames();
    information->lbMessage->SetCaption(QString());
    Download(true);
  });
  EXPECT_TRUE(ProcessEventsUntil([] { return ExtFirFrames(kOut3) == 86; }, 30s)) << ExtFirFrames(kOut3);
  EXPECT_TRUE(ProcessEventsUntil([] { return UnitHoldsDesign(kOut3, 1024); }, 30s));
  EXPECT_EQ(information->lbMessage->Caption(), QString());
}

TEST_F(FirDesignerUnitSim, aDesignACoefficientFileCouldNotCarryIsRefusedAndChangesNothing) {
  constexpr int kOut2 = 4;
  // A subwoofer: fourth-order low pass at 100 Hz, designed over the default
  // magnitude range far above it.
  ResponseFileWriter files;
  const QString measurement = files.WriteSampled(
      QStringLiteral("sub.txt"), 10.0, [](double f) { return -10.0 * std::log10(1.0 + std::pow(f / 100.0, 8.0)); },
      [](double) { return 0.0; });
  const auto store = window->Session().FirCoefficients();
  const auto image = window->UnitControl().Image();
  const int charged = window->State().FirTapsInUse;
  const QString taps = window->Controls().Find<TLabel>(QStringLiteral("lbNowFirTapsOut2"))->Caption();
  QStringList messages;
  bool ownedByTheDesigner = false;
  InDesigner(
      kOut2,
      [&] {
        // The magnitude range on and no automatic gain, whatever an earlier
        // case left; both as they were afterwards.
        const bool rangeWas = c().rzbFirMagRangeOnOff->Down();
        const bool autoGainWas = c().sbAutoGain->Down();
        SetSwitch(*c().rzbFirMagRangeOnOff, true);
        SetSwitch(*c().sbAutoGain, false);
        Open(*c().sbOpenFirFile, QStringLiteral("Smaart(*.txt)|*.Txt"), measurement);
        TypeAndEnter(*c().edFirOutSetTaps, QStringLiteral("512"));
        const FirDesignEngine::Curve& designed = designer->Engine().DesignCoefficients();
        EXPECT_GT(*std::max_element(designed.begin(), designed.begin() + 512), 50.0);
        sim->ClearReceivedFrames();
        Download(true);
        ownedByTheDesigner = information->windowHandle() != nullptr &&
                             information->windowHandle()->transientParent() == designer->windowHandle();
        SetSwitch(*c().rzbFirMagRangeOnOff, rangeWas);
        SetSwitch(*c().sbAutoGain, autoGainWas);
      },
      &messages);
  EXPECT_EQ(messages, QStringList{QStringLiteral("FIR Coefficient Error!!")});
  EXPECT_TRUE(ownedByTheDesigner);
  ASSERT_TRUE(unit->Settle());
  EXPECT_EQ(ExtFirFrames(kOut2), 0);
  EXPECT_TRUE(window->Session().FirCoefficients() == store);
  EXPECT_TRUE(std::ranges::equal(window->UnitControl().Image().Bytes(), image.Bytes()));
  EXPECT_EQ(window->State().FirTapsInUse, charged);
  EXPECT_EQ(window->Controls().Find<TLabel>(QStringLiteral("lbNowFirTapsOut2"))->Caption(), taps);
}

}  // namespace
