#include "dialogs/TfmNetwork.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/io/SerialPortList.h"
#include "tests/dialogs/RecordingDialogHost.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/TAdvProgressBar.h"

namespace {

using namespace std::chrono_literals;

/// The search dialog over a recording host and hooked serial ports: no
/// test looks at the machine's ports.
class TfmNetworkTest : public ::testing::Test {
protected:
  TfmNetworkTest() {
    SerialPortList::SetHook([this] { return ports; });
    for (const char* key : {"SID_CONNECT", "SID_START_SCAN", "SID_DEMO", "SID_SET", "SID_SCAN_USB", "SID_SCAN_NET",
                            "SID_SCAN", "SID_NO_DEVICE", "SID_LINK_BROKEN"}) {
      host.chineseTexts[QLatin1String(key)] = QStringLiteral("中") + QLatin1String(key);
    }
    host.englishTexts[QStringLiteral("SID_SCAN")] = QStringLiteral("Scanning");
    host.englishTexts[QStringLiteral("SID_SCAN_USB")] = QStringLiteral("Scan USB");
    host.englishTexts[QStringLiteral("SID_SCAN_NET")] = QStringLiteral("Scan Ethernet");
    host.englishTexts[QStringLiteral("SID_NO_DEVICE")] = QStringLiteral("No Device found.");
    host.englishTexts[QStringLiteral("SID_LINK_BROKEN")] = QStringLiteral("Link Broken");
  }
  ~TfmNetworkTest() override { SerialPortList::SetHook({}); }

  /// Waits until the host has been asked to open a link `count` times.
  bool WaitForOpens(std::size_t count) {
    return ProcessEventsUntil([&] { return Opens() >= count; }, 5s);
  }
  std::size_t Opens() const {
    return std::count_if(host.calls.begin(), host.calls.end(), [](const QString& c) { return c.startsWith("Open"); });
  }
  bool ButtonsEnabled() const {
    return form.btnOK->Enabled() && form.btnExit->Enabled() && form.btnId->Enabled();
  }

  std::vector<std::string> ports;
  RecordingDialogHost host;
  TfmNetwork form{host};
};

TEST_F(TfmNetworkTest, SerialPorts_areProbedInPortNumberOrderEachAfterTheLastFailed) {
  ports = {"/dev/ttyS10", "/dev/ttyS3", "/dev/ttyS4"};
  form.StartSearch();
  EXPECT_FALSE(form.btnOK->Enabled());
  EXPECT_EQ(form.lblDeviceID->Caption(), "1/3");
  EXPECT_EQ(form.lblScan->Caption(), "Scanning/dev/ttyS3 ......");
  EXPECT_EQ(form.pbScan->Max(), 3);
  EXPECT_EQ(form.tmWatchDog.Interval(), 10000);
  ASSERT_TRUE(WaitForOpens(1));
  form.ReportProbeResult(0);
  ASSERT_TRUE(WaitForOpens(2));
  EXPECT_EQ(form.lblDeviceID->Caption(), "2/3");
  EXPECT_EQ(form.pbScan->Position(), 2);
  form.ReportProbeResult(0);
  ASSERT_TRUE(WaitForOpens(3));
  EXPECT_EQ(form.lblDeviceID->Caption(), "3/3");
  EXPECT_EQ(form.lblScan->Caption(), "Scanning/dev/ttyS10 ......");
  form.ReportProbeResult(0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return ButtonsEnabled(); }, 5s));
  EXPECT_EQ(form.lblScan->Caption(), "No Device found.");
  EXPECT_EQ(form.lblDeviceID->Caption(), "");
  EXPECT_EQ(host.calls, (std::vector<QString>{"Port /dev/ttyS3", "OpenSerial", "Disconnect", "Port /dev/ttyS4",
                                              "OpenSerial", "Disconnect", "Port /dev/ttyS10", "OpenSerial",
                                              "Disconnect"}));
}

TEST_F(TfmNetworkTest, Watchdog_givesEveryCandidateItsFullTimeAndStopsWhenTheSearchEnds) {
  ports = {"/dev/ttyS1", "/dev/ttyS2"};
  // Lets part of a probe's time pass, so that a count carried over shows.
  const auto spendSomeOfTheProbe = [&] {
    return ProcessEventsUntil([&] { return form.tmWatchDog.RemainingTime() < 9500; }, 5s);
  };
  form.StartSearch();
  ASSERT_TRUE(WaitForOpens(1));
  ASSERT_TRUE(spendSomeOfTheProbe());
  const int leftOfTheFirst = form.tmWatchDog.RemainingTime();
  form.ReportProbeResult(0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return form.lblDeviceID->Caption() == "2/2"; }, 5s));
  EXPECT_GT(form.tmWatchDog.RemainingTime(), leftOfTheFirst) << "the second port starts a count of its own";
  ASSERT_TRUE(spendSomeOfTheProbe());
  form.ReportProbeResult(0);
  ASSERT_TRUE(ProcessEventsUntil([&] { return ButtonsEnabled(); }, 5s));
  EXPECT_FALSE(form.tmWatchDog.Enabled()) << "a finished search leaves no watchdog running";

  // A new search at once: its first probe gets the whole time.
  form.StartSearch();
  EXPECT_TRUE(form.tmWatchDog.Enabled());
  EXPECT_GT(form.tmWatchDog.RemainingTime(), 9500);
}

TEST_F(TfmNetworkTest, UsbUnit_isTheFirstOfThreeCandidatesAndTheNetworkIsNotTried) {
  ports = {"/dev/ttyUSB1", "/dev/ttyUSB0"};
  host.usbDevice = true;
  host.unitAddress = 0x7F000001;
  form.StartSearch();
  EXPECT_EQ(form.ExtraCandidates(), 1);
  EXPECT_EQ(form.lblDeviceID->Caption(), "1/3");
  EXPECT_EQ(form.lblScan->Caption(), "Scan USB");
  EXPECT_EQ(form.tmWatchDog.Interval(), 6000);
  ASSERT_TRUE(WaitForOpens(1));
  form.ReportProbeResult(0);
  ASSERT_TRUE(WaitForOpens(2));
  EXPECT_EQ(form.lblDeviceID->Caption(), "2/3");
  EXPECT_EQ(form.lblScan->Caption(), "Scanning/dev/ttyUSB0 ......");
  form.ReportProbeResult(0);
  ASSERT_TRUE(WaitForOpens(3));
  EXPECT_EQ(form.lblDeviceID->Caption(), "3/3");
  EXPECT_EQ(host.calls, (std::vector<QString>{"OpenUsb", "Disconnect", "Port /dev/ttyUSB0", "OpenSerial",
                                              "Disconnect", "Port /dev/ttyUSB1", "OpenSerial"}));
}

TEST_F(TfmNetworkTest, KnownAddress_activatesTheClientSocketBeforeTheNetworkProbe) {
  host.unitAddress = 0x7F000001;
  form.StartSearch();
  EXPECT_EQ(form.lblDeviceID->Caption(), "1/1");
  EXPECT_EQ(form.lblScan->Caption(), "Scan Ethernet");
  EXPECT_EQ(form.tmWatchDog.Interval(), 6000);
  ASSERT_TRUE(WaitForOpens(1));
  EXPECT_EQ(host.calls, (std::vector<QString>{"ActivateClient", "OpenNetwork"}));
}

TEST_F(TfmNetworkTest, NoCandidate_endsAtOnceWithNoDeviceAndEnabledButtons) {
  form.StartSearch();
  EXPECT_EQ(form.lblScan->Caption(), "No Device found.");
  EXPECT_EQ(form.pbScan->Position(), form.pbScan->Max());
  ASSERT_TRUE(ProcessEventsUntil([&] { return ButtonsEnabled(); }, 5s));
  EXPECT_EQ(host.calls, std::vector<QString>{"Disconnect"});
}

TEST_F(TfmNetworkTest, PortThatCannotBeOpened_showsLinkBrokenAndTheSearchGoesOnAtItsWatchdog) {
  ports = {"/dev/ttyS1", "/dev/ttyS2"};
  form.StartSearch();
  ASSERT_TRUE(WaitForOpens(1));
  form.ReportLinkBroken();
  ASSERT_TRUE(ProcessEventsUntil([&] { return ButtonsEnabled(); }, 5s));
  EXPECT_EQ(form.lblScan->Caption(), "Link Broken");
  EXPECT_EQ(form.lblDeviceID->Caption(), "");
  EXPECT_FALSE(form.ProbeAnswered());
  EXPECT_EQ(host.calls.back(), "CloseProgress");
  EXPECT_EQ(Opens(), 1u) << "the next port waits for the watchdog";
  ASSERT_TRUE(form.tmWatchDog.Enabled());
  EXPECT_EQ(form.tmWatchDog.Interval(), 10000);
  form.tmWatchDog.OnTimer(&form.tmWatchDog);
  ASSERT_TRUE(WaitForOpens(2));
  EXPECT_EQ(form.lblScan->Caption(), "Scanning/dev/ttyS2 ......");
  EXPECT_EQ(form.lblDeviceID->Caption(), "2/2");
}

TEST_F(TfmNetworkTest, LateWatchdogAfterSuccess_onlyClosesTheDialogAgain) {
  ports = {"/dev/ttyS1", "/dev/ttyS2"};
  form.Show();
  form.StartSearch();
  ASSERT_TRUE(WaitForOpens(1));
  form.ReportProbeResult(1);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form.isVisible(); }, 5s));
  EXPECT_TRUE(form.ProbeAnswered());
  const std::vector<QString> before = host.calls;
  form.Show();
  form.tmWatchDog.OnTimer(&form.tmWatchDog);
  ASSERT_TRUE(ProcessEventsUntil([&] { return !form.isVisible(); }, 5s));
  EXPECT_EQ(host.calls, before);
  EXPECT_EQ(form.lblDeviceID->Caption(), "1/2");
}

TEST_F(TfmNetworkTest, Buttons_searchAfterADiscoveryPassOrEnterDemoModeOrOpenTheSetup) {
  form.Show();
  form.btnOK->Click();
  EXPECT_EQ(host.calls.front(), "Discovery");
  ASSERT_TRUE(ProcessEventsUntil([&] { return ButtonsEnabled(); }, 5s));
  form.btnId->Click();
  EXPECT_EQ(host.calls.back(), "NetworkSetup");
  form.btnExit->Click();
  EXPECT_EQ(host.calls.back(), "EnableLinkControls");
  EXPECT_FALSE(form.isVisible());
}

TEST_F(TfmNetworkTest, Showing_setsTheTextsInTheCurrentLanguage) {
  host.chinese = true;
  form.Show();
  EXPECT_EQ(form.Caption(), QStringLiteral("中SID_CONNECT"));
  EXPECT_EQ(form.btnOK->Caption(), QStringLiteral("中SID_START_SCAN"));
  EXPECT_EQ(form.btnExit->Caption(), QStringLiteral("中SID_DEMO"));
  EXPECT_EQ(form.btnId->Caption(), QStringLiteral("中SID_SET"));
  form.Hide();
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(fmNetwork, &form);
}

}  // namespace
