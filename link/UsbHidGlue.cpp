#include "link/UsbHidGlue.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include <QLoggingCategory>
#include <QMetaObject>
#include <QString>

#include "hid/TJvHidDevice.h"
#include "hid/TJvHidDeviceController.h"
#include "link/FrameSpan.h"
#include "link/ILinkWindow.h"
#include "link/IUsbStatusView.h"
#include "link/LUnitSession.h"
#include "link/LUsb.h"
#include "link/UsbHidPort.h"

Q_LOGGING_CATEGORY(lcUsb, "krv71.link.usb")

namespace {

constexpr int kLinkBrokenMs = 300;

const QString kDetectHid = QStringLiteral("Detect HID");
const QString kOffLine = QStringLiteral("OffLine");

}  // namespace

UsbHidGlue::UsbHidGlue(std::shared_ptr<HidSystem> system, LUnitSession& session, ILinkWindow& window,
                       IUsbStatusView& status, LinkLogSink log)
    : m_session(session),
      m_window(window),
      m_status(status),
      m_port(std::make_shared<UsbHidPort>(std::move(log))),
      m_hidCtl(std::make_unique<TJvHidDeviceController>(std::move(system))) {
  m_linkBroken.SetEnabled(false);
  m_linkBroken.SetInterval(kLinkBrokenMs);
  m_linkBroken.OnTimer = [this](TObject*) { LinkBrokenTimer(); };

  m_hidCtl->SetLoading(true);
  m_hidCtl->SetOnEnumerate([this](TJvHidDevice* device, int index) { return HidCtlEnumerate(device, index); });
  m_hidCtl->SetOnDeviceChange([this](TJvHidDeviceController*) { HidCtlDeviceChange(); });
  m_hidCtl->SetOnDeviceData([this](TJvHidDevice* device, std::uint8_t id, const std::uint8_t* data,
                                   std::uint16_t size) { HidCtlDeviceData(device, id, data, size); });
  m_hidCtl->SetOnDeviceDataError(
      [this](TJvHidDevice* device, std::uint32_t error) { HidCtlDeviceDataError(device, error); });
  m_hidCtl->SetOnDeviceUnplug([this](TJvHidDevice* device) { HidCtlDeviceUnplug(device); });
  m_hidCtl->SetLoading(false);
}

UsbHidGlue::~UsbHidGlue() {
  // No transport may write to a device the controller is about to destroy.
  m_port->SetDevice(nullptr);
  m_port->WaitForWrites();
  m_hidCtl.reset();
}

TJvHidDevice* UsbHidGlue::HidDevice() const { return m_port->Device(); }

bool UsbHidGlue::HidCtlEnumerate(TJvHidDevice* HidDev, int Idx) {
  TJvHidDevice* taken = nullptr;
  // A unit whose report descriptor cannot be parsed (reports longer than a
  // HID report can hold) is not taken for the link.
  if (HidDev->Attributes().VendorID == kUnitVendorId && HidDev->Attributes().ProductID == kUnitProductId &&
      HidDev->PreparsedData() != nullptr && m_hidCtl->CheckOutByIndex(taken, Idx)) {
    m_port->SetDevice(taken);
    m_status.SetStatusText(kDetectHid);
  }
  return true;
}

void UsbHidGlue::HidCtlDeviceChange() { m_hidCtl->Enumerate(); }

void UsbHidGlue::HidCtlDeviceData(TJvHidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data,
                                  std::uint16_t Size) {
  if (HidDev != m_port->Device()) {
    return;
  }
  const QString prefix = QString::asprintf("USB R %02X  ", ReportID);
  if (Size <= int(FrameLayout::kLengthByte)) {
    // Too short to hold a length byte: nothing of it is a frame.
    m_port->LogWhileOpen(FormatLinkLogLine(prefix, std::vector<std::uint8_t>(Data, Data + Size)));
    qCDebug(lcUsb) << "input report of" << Size << "bytes ignored";
    return;
  }
  const std::size_t length = FrameLayout::FrameSpan(std::span(Data, std::size_t(Size)));
  const std::vector<std::uint8_t> frame(Data, Data + length);
  if (LUsb* transport = m_port->Transport()) {
    transport->PutReceived(frame.data(), static_cast<int>(frame.size()));
  }
  m_port->LogWhileOpen(FormatLinkLogLine(prefix, frame));
}

void UsbHidGlue::HidCtlDeviceDataError(TJvHidDevice* /*HidDev*/, std::uint32_t Error) {
  const QString text =
      QStringLiteral("READ ERROR: ") + QString::fromStdString(std::system_category().message(static_cast<int>(Error)));
  QMetaObject::invokeMethod(&m_context, [this, text] { m_status.ShowReadError(text); }, Qt::QueuedConnection);
}

void UsbHidGlue::HidCtlDeviceUnplug(TJvHidDevice* HidDev) {
  TJvHidDevice* device = HidDev;
  if (HidDev != m_port->Device()) {
    m_hidCtl->CheckIn(device);
    return;
  }
  // A write under way keeps the device until it ends; this thread never waits for it.
  m_port->ReleaseDevice(device, &m_context, [this, device]() mutable { m_hidCtl->CheckIn(device); });
  if (m_status.IsMainWindowVisible() && m_status.StatusText() == kDetectHid) {
    m_status.SetStatusText(kOffLine);
  }
  if (m_port->Transport() != nullptr) {
    m_linkBroken.SetEnabled(true);
  }
}

void UsbHidGlue::LinkBrokenTimer() {
  m_linkBroken.SetEnabled(false);
  if (!m_session.HasAnyTransport()) {
    return;
  }
  m_session.Disconnect();
  m_window.ReportLinkBroken();
  m_window.ShowSearchDialogAgain();
}
