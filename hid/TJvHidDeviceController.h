#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "hid/HidTypes.h"

class HidSystem;
class QSocketNotifier;
class TJvHidPnPInfo;

/// The list of the HID device interfaces present on the machine. It learns
/// of plugs and unplugs from the system (a change notifier on the GUI
/// thread; the first change is posted at creation and raises OnDeviceChange
/// even on an empty list), keeps one TJvHidDevice per interface, lets the
/// application walk the plugged devices and check one out for its own use,
/// and passes a checked-out device's input reports (OnDeviceData), read
/// failures (OnDeviceDataError) and disappearance (OnDeviceUnplug) on.
/// Devices are matched by the per-plug name of their HID device. The
/// controller owns the devices in its list; they die with it. GUI thread.
class TJvHidDeviceController : public QObject {
public:
  /// Reports a hidraw file keeps queued for its reader.
  static constexpr int kReportQueueLength = 64;
  /// The longest report a device file gives, with its id byte.
  static constexpr std::size_t kLongestReport = 4096 + 1;

  /// Works on `system` (the machine's hidraw devices, or a test double).
  explicit TJvHidDeviceController(std::shared_ptr<HidSystem> system, QObject* parent = nullptr);
  ~TJvHidDeviceController() override;
  TJvHidDeviceController(const TJvHidDeviceController&) = delete;
  TJvHidDeviceController& operator=(const TJvHidDeviceController&) = delete;

  /// While set, assigning OnDeviceChange does not run DeviceChange (the
  /// owner is setting its handlers up, as a form loading its components).
  void SetLoading(bool loading) { m_loading = loading; }

  /// Reads the present interfaces and merges them into the list: gone
  /// devices are unplugged (OnUnplug, then OnRemoval) and dropped unless
  /// checked out, new ones appended (OnArrival); OnDeviceChange when
  /// anything changed, or on the start-up change.
  void DeviceChange();
  /// Offers each plugged device to OnEnumerate in list order until the
  /// handler returns false (or none is set); the number offered.
  int Enumerate();

  /// Check-out: false and a null `HidDev` when no device qualifies.
  bool CheckOutByIndex(TJvHidDevice*& HidDev, int Idx);
  bool CheckOut(TJvHidDevice*& HidDev);
  /// `productId` -1 matches any product.
  bool CheckOutByID(TJvHidDevice*& HidDev, int vendorId, int productId);
  bool CheckOutByClass(TJvHidDevice*& HidDev, const std::string& className);
  bool CheckOutByProductName(TJvHidDevice*& HidDev, const std::u16string& productName);
  bool CheckOutByVendorName(TJvHidDevice*& HidDev, const std::u16string& vendorName);
  bool CheckOutByCallback(TJvHidDevice*& HidDev, const TJvHidCheckCallback& check);
  /// Gives a device back: its read thread stops and its files close; an
  /// unplugged device is destroyed. `HidDev` is null afterwards. Never from
  /// inside that device's data or error handler.
  void CheckIn(TJvHidDevice*& HidDev);

  int CountByID(int vendorId, int productId);
  int CountByClass(const std::string& className);
  int CountByProductName(const std::u16string& productName);
  int CountByVendorName(const std::u16string& vendorName);
  int CountByCallback(const TJvHidCheckCallback& check);

  /// The version text of the system's HID library: empty, this system
  /// keeps none.
  std::string HidVersion() const { return {}; }
  std::string Version() const { return "1.0.34"; }
  /// Writes are taken and forgotten: Version stays "1.0.34".
  void SetVersion(const std::string& /*version*/) {}
  TGUID HidGuid() const { return kHidInterfaceClassGuid; }

  /// The devices of the list, in order.
  int Count() const { return static_cast<int>(m_list.size()); }
  TJvHidDevice* Device(int index) const { return m_list[static_cast<std::size_t>(index)].get(); }
  int NumCheckedInDevices() const { return m_numCheckedInDevices; }
  int NumCheckedOutDevices() const { return m_numCheckedOutDevices; }
  int NumUnpluggedDevices() const { return m_numUnpluggedDevices; }

  int DevThreadSleepTime() const { return m_devThreadSleepTime; }
  void SetDevThreadSleepTime(int milliseconds);
  const TJvHidPlugEvent& OnArrival() const { return m_onArrival; }
  void SetOnArrival(TJvHidPlugEvent handler) { m_onArrival = std::move(handler); }
  const TJvHidPlugEvent& OnRemoval() const { return m_onRemoval; }
  void SetOnRemoval(TJvHidPlugEvent handler) { m_onRemoval = std::move(handler); }
  const TJvHidEnumerateEvent& OnEnumerate() const { return m_onEnumerate; }
  void SetOnEnumerate(TJvHidEnumerateEvent handler) { m_onEnumerate = std::move(handler); }
  const TJvHidNotifyEvent& OnDeviceChange() const { return m_onDeviceChange; }
  void SetOnDeviceChange(TJvHidNotifyEvent handler);
  /// The data, data-error and unplug handlers pass on to every device that
  /// still holds the previous one; a device made later takes the data and
  /// unplug handlers.
  const TJvHidDataEvent& OnDeviceData() const { return m_onDeviceData; }
  void SetOnDeviceData(TJvHidDataEvent handler);
  const TJvHidDataErrorEvent& OnDeviceDataError() const { return m_onDeviceDataError; }
  void SetOnDeviceDataError(TJvHidDataErrorEvent handler);
  const TJvHidPlugEvent& OnDeviceUnplug() const { return m_onDeviceUnplug; }
  void SetOnDeviceUnplug(TJvHidPlugEvent handler);

private:
  friend class TJvHidDevice;

  void HandleDeviceChangeMessage(int wParam, int lParam);
  void OnSystemChange();
  std::vector<std::unique_ptr<TJvHidDevice>> ReadInterfaces();
  bool Holds(const TJvHidDevice* device) const;
  void Recount();
  /// Offers a device to `handler` with its files allowed to open.
  bool Offer(TJvHidDevice* device, const std::function<bool(TJvHidDevice*)>& handler);
  bool TakeFirst(TJvHidDevice*& HidDev, const std::function<bool(TJvHidDevice*)>& matches);
  int CountPlugged(const std::function<bool(TJvHidDevice*)>& matches);
  /// Called by a device's destructor: a plugged-in device gets a fresh,
  /// checked-in successor in its place, an unplugged one leaves the list.
  void DeviceDestroyed(TJvHidDevice* device, std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDataEvent onData,
                       TJvHidPlugEvent onUnplug, int threadSleepTime);

  std::shared_ptr<HidSystem> m_system;
  QSocketNotifier* m_notifier = nullptr;
  TJvHidPlugEvent m_onArrival;
  TJvHidNotifyEvent m_onDeviceChange;
  TJvHidEnumerateEvent m_onEnumerate;
  TJvHidDataEvent m_onDeviceData;
  TJvHidDataErrorEvent m_onDeviceDataError;
  TJvHidPlugEvent m_onDeviceUnplug;
  TJvHidPlugEvent m_onRemoval;
  int m_devThreadSleepTime = 100;
  std::vector<std::unique_ptr<TJvHidDevice>> m_list;
  int m_numCheckedInDevices = 0;
  int m_numCheckedOutDevices = 0;
  int m_numUnpluggedDevices = 0;
  bool m_inDeviceChange = false;
  bool m_loading = false;
  int m_lParam = 0;
};
