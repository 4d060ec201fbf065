#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "dialogs/TfmInformation.h"
#include "editors/fir/FirTapBudget.h"
#include "platform/widgets/FileChooser.h"
#include "platform/widgets/TLabel.h"
#include "protocol/LUnitControl.h"
#include "protocol/UnitImage.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/link/support/FakeLinkTransport.h"
#include "tests/support/ModalDialogCloser.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

/// What a user does to the FIRs, at random with a fixed seed: imports from
/// files and from the design dialog, bypasses, output modes and designer
/// OKs. It acts on what the pages let a user reach: the leader of a linked
/// pair (InA with InB, Out1 with Out2) and the single channels, an
/// output's FIR group only while enabled, its designer only in FIR mode.
class FirBudgetSequence : public SharedMainWindow<FakeLinkTransportFactory> {
protected:
  static constexpr int kSteps = 400;

  void SetUp() override {
    information = std::make_unique<TfmInformation>(window);
    window.UnitControl().Image() = UnitImage::Default();
    for (const auto& [first, second] : {std::pair{0, 1}, std::pair{3, 4}}) {
      window.UnitControl().SetLinkMask(first, 0x03);
      window.UnitControl().SetLinkMask(second, 0x03);
    }
    window.RefreshAllFromUnit();
  }
  void TearDown() override { FileChooser::SetHook({}); }

  template <class T>
  T& Channel(const char* stem, int channel) {
    return Get<T>(QLatin1String(stem) + ChannelSuffix(channel));
  }
  void Choose(const char* stem, int channel, int index) {
    auto& list = Channel<TRzComboBox>(stem, channel);
    list.SetItemIndex(index);
    list.OnChange(&list);
  }
  void Toggle(const char* stem, int channel) {
    auto& button = Channel<TRzBmpButton>(stem, channel);
    button.SetDown(!button.Down());
    button.Click();
  }
  std::vector<double> Values(int taps) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    std::vector<double> values(static_cast<std::size_t>(taps));
    for (double& v : values) v = value(m_random);
    return values;
  }
  void ImportFile(int channel, int taps) {
    std::string text;
    for (double v : Values(taps)) text += std::to_string(v) + "\n";
    std::ofstream(m_file, std::ios::binary | std::ios::trunc) << text;
    const QString path = QString::fromStdString(m_file.string());
    FileChooser::SetHook([path](const FileChoice&) -> std::optional<QString> { return path; });
    // Out1's open button carries a name of its own.
    Get<TRzButton>(channel == 3 ? QStringLiteral("sbOpenFileOut1") : QStringLiteral("sbOpenFirFile") + ChannelSuffix(channel))
        .Click();
  }
  int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }

  /// One random step on one channel; false when the step is out of reach.
  bool Step() {
    static constexpr int kInputs[] = {0, 2};
    static constexpr int kOutputs[] = {3, 5, 6, 7, 8};
    if (Pick(0, 2) == 0) {
      const int channel = kInputs[Pick(0, 1)];
      switch (Pick(0, 2)) {
        case 0: ImportFile(channel, Pick(1, 2100)); break;
        case 1: window.ApplyInputFir(channel, Pick(0, 2048), "Design", Values(2048)); break;
        default: Toggle("rzbFirBypass", channel); break;
      }
      return true;
    }
    const int channel = kOutputs[Pick(0, 4)];
    const bool firGroup = Channel<TRzGroupBox>("rzgFir", channel).Enabled();
    const bool designer = window.UnitControl().GetOutputFilters(channel).mode == 1 &&
                          Channel<TRzGroupBox>("rzgFirType", channel).Enabled();
    switch (Pick(0, 4)) {
      case 0: Choose("rzcMode", channel, Pick(0, 2)); return true;
      case 1:
        if (!firGroup) return false;
        Toggle("rzbFirBypass", channel);
        return true;
      case 2:
        if (!firGroup) return false;
        ImportFile(channel, Pick(1, 1100));
        return true;
      case 3:
        if (!firGroup) return false;
        window.ApplyOutputFir(channel, Pick(1, 1024), "Design", Values(1024));
        return true;
      default:
        if (!designer) return false;
        Choose("rzcFirType", channel, Pick(0, 3));
        Choose("rzcFirTaps", channel, Pick(0, 24));
        Channel<TRzButton>("bnFirOK", channel).Click();
        return true;
    }
  }

  std::unique_ptr<TfmInformation> information;
  std::mt19937 m_random{71};
  QTemporaryDir m_folder;
  std::filesystem::path m_file = m_folder.filePath(QStringLiteral("Sequence.csv")).toStdString();
};

TEST_F(FirBudgetSequence, tapsInUseStayTheRecountAndAChargeNeverPassesTheBudget) {
  ModalDialogCloser closer;  // the refusals
  bool budgetHit = false;
  for (int step = 0; step < kSteps; ++step) {
    const int before = window.State().FirTapsInUse;
    information->lbMessage->SetCaption(QString());
    if (!Step()) continue;
    budgetHit = budgetHit || information->lbMessage->Caption() == QStringLiteral("Run Out of FIR Resource!!");
    const int after = window.State().FirTapsInUse;
    ASSERT_EQ(after, FirTapBudget::CountInUse(window.UnitControl())) << "step " << step;
    if (after > before) {
      ASSERT_LE(after, FirTapBudget::kTaps) << "step " << step;
    }
    if (step % 40 == 39) {
      window.RefreshAllFromUnit();
      ASSERT_EQ(window.State().FirTapsInUse, after) << "refresh after step " << step;
    }
  }
  EXPECT_TRUE(budgetHit);
}

}  // namespace
