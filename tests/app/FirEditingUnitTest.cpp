#include <algorithm>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmInformation.h"
#include "editors/fir/FirEditing.h"
#include "editors/fir/FirTapBudget.h"
#include "link/LUnitSession.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"
#include "protocol/CommandCodes.h"
#include "protocol/LUnitControl.h"
#include "tests/app/PtyUnitWindow.h"
#include "tests/app/FilterEditingTestSupport.h"
#include "tests/support/ModalDialogCloser.h"
#include "tests/support/ProcessEventsUntil.h"
#include "tools/unitsim/UnitSim.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"

using namespace std::chrono_literals;

namespace {

constexpr std::uint8_t kExtFirCode = 78;

std::vector<float> Ramp(int count, float step) {
  std::vector<float> values;
  for (int k = 0; k < count; ++k) values.push_back(step * float(k + 1) * (k % 2 == 0 ? 1.0f : -1.0f));
  return values;
}

/// Writes a coefficient file, one value a line, in a folder of its own
/// that goes at the end.
class CoefficientFile {
public:
  CoefficientFile(const std::string& stem, const std::string& text)
      : m_path(m_folder.filePath(QString::fromStdString(stem + ".csv")).toStdString()) {
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << text;
  }
  CoefficientFile(const std::string& stem, const std::vector<float>& values)
      : CoefficientFile(stem, Lines(values)) {}
  CoefficientFile(const CoefficientFile&) = delete;
  CoefficientFile& operator=(const CoefficientFile&) = delete;

  QString Path() const { return QString::fromStdString(m_path.string()); }

private:
  static std::string Lines(const std::vector<float>& values) {
    std::string text;
    char line[32];
    for (float value : values) {
      std::snprintf(line, sizeof line, "%.9g\r\n", double(value));
      text += line;
    }
    return text;
  }
  QTemporaryDir m_folder;
  std::filesystem::path m_path;
};

/// One window connected over a pty to a simulated unit whose InA and InB are
/// linked, for the whole suite.
class FirEditingUnit : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    unit = new PtyUnitWindow;
    window = &unit->Window();
    sim = &unit->Sim();
    information = unit->Add<TfmInformation>(*window);
    window->show();
    ASSERT_TRUE(unit->StartUnit());
    ASSERT_TRUE(LinkInputPairAndReadOut(*window, *sim));
    ShowImageOnFilterControls(*window);
    window->RecountFirTapsInUse();
  }
  static void TearDownTestSuite() {
    FileChooser::SetHook({});
    delete unit;
    unit = nullptr;
    window = nullptr;
    sim = nullptr;
    information = nullptr;
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    ProcessEventsUntil([] { return false; }, 50ms);
    sim->ClearReceivedFrames();
  }

  static void Import(const QString& button, const QString& path) {
    FileChooser::SetHook([path](const FileChoice& choice) -> std::optional<QString> {
      EXPECT_EQ(choice.filter, QStringLiteral("FIR files (*.csv)|*.Csv|FIR files (*.txt)|*.Txt"));
      EXPECT_EQ(choice.initialPath, QStringLiteral("*.csv"));
      return path;
    });
    Named<TRzButton>(*window, button).Click();
    FileChooser::SetHook({});
  }

  /// What a click on a toggle does: the new state, then the click event.
  static void Toggle(TRzBmpButton& button) {
    button.SetDown(!button.Down());
    button.Click();
  }

  static int ExtFirFrames() {
    int count = 0;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) count += frame.frame.code == kExtFirCode;
    return count;
  }

  static PtyUnitWindow* unit;
  static TfmMain* window;
  static TfmInformation* information;
  static UnitSim* sim;
};

PtyUnitWindow* FirEditingUnit::unit = nullptr;
TfmMain* FirEditingUnit::window = nullptr;
TfmInformation* FirEditingUnit::information = nullptr;
UnitSim* FirEditingUnit::sim = nullptr;

TEST_F(FirEditingUnit, inputImportReachesEveryLinkedChannelOfTheUnitBitForBit) {
  const std::vector<float> values = Ramp(1500, 1.0e-4f);
  const CoefficientFile file("Horn.Low", values);
  const int before = window->State().FirTapsInUse;
  Import(QStringLiteral("sbOpenFirFileInA"), file.Path());

  EXPECT_EQ(window->State().FirTapsInUse, before + 1500 * 2);  // InA was bypassed; InB follows it
  EXPECT_EQ(window->State().FirTapsInUse, FirTapBudget::CountInUse(window->UnitControl()));
  EXPECT_EQ(Named<TLabel>(*window, QStringLiteral("lbNowFirNameInA")).Caption(), QStringLiteral("Horn.Low"));
  EXPECT_EQ(Named<TLabel>(*window, QStringLiteral("lbNowFirTapsInA")).Caption(), QStringLiteral("1500"));
  EXPECT_FALSE(Named<TRzBmpButton>(*window, QStringLiteral("rzbFirBypassInA")).Down());
  ASSERT_TRUE(ProcessEventsUntil([] { return ExtFirFrames() == 125; }, 30s)) << ExtFirFrames();
  const std::uint32_t last = std::bit_cast<std::uint32_t>(values.back());
  ASSERT_TRUE(ProcessEventsUntil([last] { return sim->FirArea(0).Word(1, 1499) == last; }, 30s));
  const SimFirArea area = sim->FirArea(0);
  for (int channel : {0, 1}) {
    EXPECT_EQ(window->State().FirTaps[std::size_t(channel)], 1500);
    for (int k = 0; k < 1500; ++k) {
      ASSERT_EQ(area.Word(channel, k), std::bit_cast<std::uint32_t>(values[std::size_t(k)])) << channel << " " << k;
      ASSERT_EQ(window->Session().FirCoefficients().ChannelWord(channel, k), area.Word(channel, k));
    }
  }
  EXPECT_TRUE(ProcessEventsUntil(
      [] { return ReadWord(sim->Image(), SimImageLayout::ChannelRecord(0) + SimImageLayout::kInFirBypass) == 0; },
      10s));
}

TEST_F(FirEditingUnit, refusedFileShowsOneTextAndChangesNothing) {
  const std::string taps2049 = [] {
    std::string text;
    for (int k = 0; k < 2049; ++k) text += "0.001\n";
    return text;
  }();
  struct Case {
    const char* name;
    std::string text;
    int tapsInUse;  ///< -1: as it stands
    const char* message;
  };
  const Case cases[] = {
      {"header", "Taps\n0.5\n", -1, "FIR Coefficient Error!!"},
      {"above 50", "0.5\n50.01\n", -1, "FIR Coefficient Error!!"},
      {"overflowing float", "-1e39\n", -1, "FIR Coefficient Error!!"},
      {"empty", "", -1, "FIR Coefficient Error!!"},
      {"2049 values", taps2049, -1, "Taps Over Maximum 2048!!"},
      {"budget", "0.5\n0.25\n", 4095, "Run Out of FIR Resource!!"},
  };
  const int inUse = window->State().FirTapsInUse;
  for (const Case& c : cases) {
    const CoefficientFile file("Refused", c.text);
    if (c.tapsInUse >= 0) window->State().FirTapsInUse = c.tapsInUse;
    const auto store = window->Session().FirCoefficients();
    const auto taps = window->State().FirTaps;
    const auto image = window->UnitControl().Image();
    const QString label = Named<TLabel>(*window, QStringLiteral("lbNowFirTapsInC")).Caption();
    const int charged = window->State().FirTapsInUse;
    information->lbMessage->SetCaption(QString());
    ModalDialogCloser closer;
    Import(QStringLiteral("sbOpenFirFileInC"), file.Path());
    ASSERT_TRUE(closer.WaitFor(1)) << c.name;
    EXPECT_EQ(information->lbMessage->Caption(), QString::fromUtf8(c.message)) << c.name;
    EXPECT_TRUE(window->Session().FirCoefficients() == store) << c.name;
    EXPECT_EQ(window->State().FirTaps, taps) << c.name;
    EXPECT_EQ(window->State().FirTapsInUse, charged) << c.name;
    EXPECT_TRUE(std::ranges::equal(window->UnitControl().Image().Bytes(), image.Bytes())) << c.name;
    EXPECT_EQ(Named<TLabel>(*window, QStringLiteral("lbNowFirTapsInC")).Caption(), label) << c.name;
    window->State().FirTapsInUse = inUse;
  }
  ProcessEventsUntil([] { return false; }, 200ms);
  EXPECT_EQ(ExtFirFrames(), 0);
}

TEST_F(FirEditingUnit, designedSetACoefficientFileCouldNotCarryIsRefusedAndChangesNothing) {
  struct Case {
    const char* name;
    int channel;
    const char* tapsLabel;
    double value;  ///< put at place 7 of a small set
  };
  const Case cases[] = {
      {"input, 3.4e7", 2, "lbNowFirTapsInC", 3.4e7},
      {"input, above the float range", 2, "lbNowFirTapsInC", 1e39},
      {"input, below the float range", 2, "lbNowFirTapsInC", -1e39},
      {"output, 50.01", 6, "lbNowFirTapsOut4", 50.01},
      {"output, not a number", 6, "lbNowFirTapsOut4", std::nan("")},
      {"output, 3.4e7", 6, "lbNowFirTapsOut4", 3.4e7},
  };
  for (const Case& c : cases) {
    std::vector<double> values(256, 0.001);
    values[7] = c.value;
    const auto store = window->Session().FirCoefficients();
    const auto taps = window->State().FirTaps;
    const auto image = window->UnitControl().Image();
    const int charged = window->State().FirTapsInUse;
    const QString label = Named<TLabel>(*window, QString::fromLatin1(c.tapsLabel)).Caption();
    information->lbMessage->SetCaption(QString());
    ModalDialogCloser closer;
    if (c.channel < 3) {
      window->ApplyInputFir(c.channel, 256, "Design", values);
    } else {
      window->ApplyOutputFir(c.channel, 256, "Design", values);
    }
    ASSERT_TRUE(closer.WaitFor(1)) << c.name;
    EXPECT_EQ(information->lbMessage->Caption(), QStringLiteral("FIR Coefficient Error!!")) << c.name;
    EXPECT_TRUE(window->Session().FirCoefficients() == store) << c.name;
    EXPECT_EQ(window->State().FirTaps, taps) << c.name;
    EXPECT_EQ(window->State().FirTapsInUse, charged) << c.name;
    EXPECT_TRUE(std::ranges::equal(window->UnitControl().Image().Bytes(), image.Bytes())) << c.name;
    EXPECT_EQ(Named<TLabel>(*window, QString::fromLatin1(c.tapsLabel)).Caption(), label) << c.name;
  }
  ProcessEventsUntil([] { return false; }, 200ms);
  EXPECT_EQ(ExtFirFrames(), 0);
}

TEST_F(FirEditingUnit, inputBypassGivesTapsBackEvenAboveTheBudgetAndARefusedReleaseStaysBypassed) {
  auto& bypass = Named<TRzBmpButton>(*window, QStringLiteral("rzbFirBypassInB"));
  window->UnitControl().SetInputFirBypass(1, 0);  // the FIR of InA and InB runs
  bypass.SetDown(false);
  window->RecountFirTapsInUse();
  const int taps = window->UnitControl().GetInputFirTaps(1);
  const int inUse = window->State().FirTapsInUse;
  ASSERT_FALSE(window->UnitControl().GetInputFirBypass(1));
  ASSERT_GT(taps, 0);

  window->State().FirTapsInUse = 5000;  // a recount may stand above the budget
  Toggle(bypass);
  EXPECT_TRUE(bypass.Down());
  EXPECT_EQ(window->State().FirTapsInUse, 5000 - 2 * taps);
  EXPECT_TRUE(window->UnitControl().GetInputFirBypass(0));  // InA is linked

  information->lbMessage->SetCaption(QString());
  ModalDialogCloser closer;
  Toggle(bypass);
  ASSERT_TRUE(closer.WaitFor(1));
  EXPECT_EQ(information->lbMessage->Caption(), QStringLiteral("Run Out of FIR Resource!!"));
  EXPECT_TRUE(bypass.Down());
  EXPECT_TRUE(window->UnitControl().GetInputFirBypass(1));
  EXPECT_EQ(window->State().FirTapsInUse, 5000 - 2 * taps);

  window->State().FirTapsInUse = inUse - 2 * taps;
  Toggle(bypass);
  EXPECT_FALSE(bypass.Down());
  EXPECT_FALSE(window->UnitControl().GetInputFirBypass(1));
  EXPECT_EQ(window->State().FirTapsInUse, inUse);
  EXPECT_TRUE(ProcessEventsUntil(
      [] { return ReadWord(sim->Image(), SimImageLayout::ChannelRecord(1) + SimImageLayout::kInFirBypass) == 0; },
      10s));
}

TEST_F(FirEditingUnit, outputImportSendsBlocksOfTwelveAndTheModeDecidesTheCharge) {
  constexpr int kOut3 = 5;
  auto& mode = Named<TRzComboBox>(*window, QStringLiteral("rzcModeOut3"));
  const auto setMode = [&mode](int index) {
    mode.SetItemIndex(index);
    mode.OnChange(&mode);
  };
  setMode(0);
  ASSERT_EQ(window->UnitControl().GetOutputFilters(kOut3).mode, 0);
  sim->ClearReceivedFrames();
  const int inUse = window->State().FirTapsInUse;

  const std::vector<float> values = Ramp(30, 0.01f);
  const CoefficientFile file("Sub", values);
  Import(QStringLiteral("sbOpenFirFileOut3"), file.Path());
  EXPECT_EQ(window->State().FirTapsInUse, inUse);  // IIR mode runs no coefficient set
  EXPECT_EQ(Named<TLabel>(*window, QStringLiteral("lbNowFirTapsOut3")).Caption(), QStringLiteral("30"));
  EXPECT_EQ(Named<TLabel>(*window, QStringLiteral("lbNowFirNameOut3")).Caption(), QStringLiteral("Sub"));
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut3).fir.firType, 4);
  const std::uint32_t last = std::bit_cast<std::uint32_t>(values.back());
  ASSERT_TRUE(ProcessEventsUntil([last] { return sim->FirArea(0).Word(kOut3, 29) == last; }, 30s));
  std::vector<int> counts;
  for (const SimReceivedFrame& frame : sim->ReceivedFrames()) {
    if (frame.frame.code == kExtFirCode) counts.push_back(int(frame.frame.payload.size() - 4) / 4);
  }
  EXPECT_EQ(counts, (std::vector<int>{12, 12, 6}));
  for (int k = 0; k < 30; ++k) EXPECT_EQ(sim->FirArea(0).Word(kOut3, k), std::bit_cast<std::uint32_t>(values[std::size_t(k)]));

  setMode(1);  // FIR: the set is charged
  EXPECT_EQ(window->State().FirTapsInUse, inUse + 30);
  setMode(2);  // IIR + FIR: still runs it
  EXPECT_EQ(window->State().FirTapsInUse, inUse + 30);
  setMode(0);
  EXPECT_EQ(window->State().FirTapsInUse, inUse);
  EXPECT_EQ(window->State().FirTapsInUse, FirTapBudget::CountInUse(window->UnitControl()));

  // Bypassing in IIR mode charges nothing.
  auto& bypass = Named<TRzBmpButton>(*window, QStringLiteral("rzbFirBypassOut3"));
  Toggle(bypass);
  EXPECT_EQ(window->UnitControl().GetOutputFilters(kOut3).fir.firType, 0);
  EXPECT_EQ(window->State().FirTapsInUse, inUse);
  // Mode changes queued back to back may replace each other before they are
  // written (one parameter address), so the unit sees at least one.
  const auto modeFrames = [] {
    int n = 0;
    for (const SimReceivedFrame& frame : sim->ReceivedFrames()) n += frame.frame.code == CMD_OUTPUT_MODE;
    return n;
  };
  EXPECT_TRUE(ProcessEventsUntil([&] { return modeFrames() >= 1; }));
}

TEST_F(FirEditingUnit, designedFirMeetingIirPlusFirGoesOffWith512Taps) {
  constexpr int kOut5 = 7;
  OutputFilterRecord record = window->UnitControl().GetOutputFilters(kOut5);
  record.mode = 1;
  record.fir.firType = 1;
  record.fir.taps = 8;  // 512 taps, charged whatever the mode
  window->UnitControl().SetOutputFirRecord(kOut5, record);
  window->RecountFirTapsInUse();
  const int inUse = window->State().FirTapsInUse;
  auto& mode = Named<TRzComboBox>(*window, QStringLiteral("rzcModeOut5"));
  mode.SetItemIndex(1);
  window->Fir().RefreshOutputModeControls(kOut5);
  mode.SetItemIndex(2);
  mode.OnChange(&mode);
  const OutputFilterRecord after = window->UnitControl().GetOutputFilters(kOut5);
  EXPECT_EQ(after.mode, 2);
  EXPECT_EQ(after.fir.firType, 0);
  EXPECT_EQ(after.fir.taps, 512);
  EXPECT_EQ(Named<TLabel>(*window, QStringLiteral("lbNowFirTapsOut5")).Caption(), QStringLiteral("512"));
  EXPECT_EQ(window->State().FirTapsInUse, inUse - 512);
  EXPECT_EQ(window->State().FirTapsInUse, FirTapBudget::CountInUse(window->UnitControl()));
  EXPECT_EQ(window->Session().FirCoefficients().Coefficient(kOut5, 0), 1.0f);
  EXPECT_EQ(window->Session().FirCoefficients().Coefficient(kOut5, 1023), 0.0f);
}

}  // namespace
