#include <chrono>
#include <memory>

#include <gtest/gtest.h>

#include "app/TfmMain.h"
#include "dialogs/TfmNetwork.h"
#include "link/LUnitSession.h"
#include "link/LinkTransportFactory.h"
#include "link/UsbHidGlue.h"
#include "platform/widgets/TLabel.h"
#include "tests/app/LinkSearchTestSupport.h"
#include "tests/hid/support/FakeHidSystem.h"
#include "tests/support/ProcessEventsUntil.h"
#include "widgets/labels/TRzLabel.h"

namespace {

using namespace std::chrono_literals;

const std::string kUnit = "0003:0168:0821.0001";

/// The main window over a fake HID system with a simulated unit plugged
/// in, and two simulated units listed as serial ports.
class LinkSearchUsbTest : public ::testing::Test {
protected:
  void SetUp() override {
    UnitSimOptions options;
    options.hid = true;
    usbUnit = std::make_unique<UnitSim>(options);
    ASSERT_TRUE(usbUnit->Start()) << usbUnit->LastError();
    auto hid = std::make_shared<FakeHidSystem>();
    window = std::make_unique<TfmMain>(factory, hid);
    factory.SetUsbHidPort(window->Glue()->Port());
    network = std::make_unique<TfmNetwork>(*window);
    FakeHidDeviceSetup setup(kUnit);
    setup.fd = usbUnit->TakeHidPeer();
    hid->Plug(setup);
    ASSERT_TRUE(ProcessEventsUntil([&] { return window->HasUsbDevice(); }, 5s));
  }
  void TearDown() override {
    window->Session().Disconnect();
    QuietSearchDialog();
  }

  std::unique_ptr<UnitSim> usbUnit;
  LinkTransportFactory factory;
  std::unique_ptr<TfmMain> window;
  std::unique_ptr<TfmNetwork> network;
  HookedSerialUnits units;
};

TEST_F(LinkSearchUsbTest, Search_triesTheUsbUnitFirstThenEachPort) {
  SimFault silent;
  silent.code = CMD_HELLO;
  silent.noReply = true;
  usbUnit->AddFault(silent);
  UnitSim* first = units.Add("ttyS1", false);
  UnitSim* second = units.Add("ttyS2");
  ASSERT_TRUE(first && second);
  network->Show();
  network->btnOK->Click();
  EXPECT_EQ(network->lblDeviceID->Caption(), "1/3");
  EXPECT_EQ(network->lblScan->Caption(), window->LookUpText(QStringLiteral("SID_SCAN_USB")));
  ASSERT_TRUE(ProcessEventsUntil([&] { return network->lblDeviceID->Caption() == "2/3"; }, 10s));
  EXPECT_EQ(network->lblScan->Caption().toStdString(),
            window->LookUpText(QStringLiteral("SID_SCAN")).toStdString() + units.PathOf("ttyS1") + " ......");
  ASSERT_TRUE(ProcessEventsUntil([&] { return window->Session().IsUnitLinked(); }, 30s));
  EXPECT_EQ(network->lblDeviceID->Caption(), "3/3");
  EXPECT_EQ(window->Controls().Find<TLabel>(QStringLiteral("lbShowIp"))->Caption().toStdString(),
            units.PathOf("ttyS2"));
  ASSERT_TRUE(FirstHello(*usbUnit) && FirstHello(*first) && FirstHello(*second));
  EXPECT_LT(*FirstHello(*usbUnit), *FirstHello(*first));
  EXPECT_LT(*FirstHello(*first), *FirstHello(*second));
}

}  // namespace
