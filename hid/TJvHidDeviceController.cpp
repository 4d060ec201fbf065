#include "hid/TJvHidDeviceController.h"

#include <algorithm>
#include <utility>

#include <QMetaObject>
#include <QSocketNotifier>

#include "hid/HidError.h"
#include "hid/TJvHidDevice.h"
#include "hid/TJvHidPnPInfo.h"
#include "platform/threads/EventGuard.h"
#include "platform/io/HidSystem.h"

namespace {

constexpr int DBT_DEVNODES_CHANGED = 7;

// Gives `handler` to every device that still holds the controller's
// previous one, then keeps it; the handler held already changes nothing.
template <typename Handler>
void PassOn(const std::vector<std::unique_ptr<TJvHidDevice>>& devices, Handler& held, Handler handler,
            const Handler& (TJvHidDevice::*get)() const, void (TJvHidDevice::*set)(Handler)) {
  if (handler == held) {
    return;
  }
  for (const auto& device : devices) {
    if (((*device).*get)() == held) {
      ((*device).*set)(handler);
    }
  }
  held = std::move(handler);
}

}  // namespace

TJvHidDeviceController::TJvHidDeviceController(std::shared_ptr<HidSystem> system, QObject* parent)
    : QObject(parent), m_system(std::move(system)) {
  if (!m_system->IsAvailable()) {
    return;
  }
  if (m_system->ChangeFd() >= 0) {
    m_notifier = new QSocketNotifier(m_system->ChangeFd(), QSocketNotifier::Read, this);
    QObject::connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnSystemChange(); });
  }
  QMetaObject::invokeMethod(
      this, [this] { HandleDeviceChangeMessage(DBT_DEVNODES_CHANGED, -1); }, Qt::QueuedConnection);
}

TJvHidDeviceController::~TJvHidDeviceController() {
  m_onDeviceChange = nullptr;
  SetOnDeviceUnplug(nullptr);
  m_onEnumerate = nullptr;
  delete m_notifier;
  m_notifier = nullptr;
  std::vector<std::unique_ptr<TJvHidDevice>> devices = std::move(m_list);
  m_list.clear();
  for (const std::unique_ptr<TJvHidDevice>& device : devices) {
    device->m_controller = nullptr;
    if (device->IsCheckedOut()) {
      device->DoUnplug();
    }
  }
}

void TJvHidDeviceController::OnSystemChange() {
  if (m_system->TakeChanges()) {
    HandleDeviceChangeMessage(DBT_DEVNODES_CHANGED, 0);
  }
}

void TJvHidDeviceController::HandleDeviceChangeMessage(int wParam, int lParam) {
  if (wParam != DBT_DEVNODES_CHANGED || m_inDeviceChange) {
    return;
  }
  m_lParam = lParam;
  m_inDeviceChange = true;
  RunGuarded("HID device change", [this] { DeviceChange(); });
  m_inDeviceChange = false;
}

std::vector<std::unique_ptr<TJvHidDevice>> TJvHidDeviceController::ReadInterfaces() {
  std::vector<std::unique_ptr<TJvHidDevice>> found;
  if (!m_system->IsAvailable()) {
    return found;
  }
  for (const HidInterface& info : m_system->Interfaces()) {
    try {
      found.push_back(std::unique_ptr<TJvHidDevice>(
          new TJvHidDevice(std::make_unique<TJvHidPnPInfo>(info), this, m_system)));
    } catch (const EControllerError&) {
      // An interface that cannot be opened or identified is left out.
    }
  }
  return found;
}

bool TJvHidDeviceController::Holds(const TJvHidDevice* device) const {
  return std::any_of(m_list.begin(), m_list.end(), [device](const auto& held) { return held.get() == device; });
}

void TJvHidDeviceController::DeviceChange() {
  bool changed = m_lParam == -1;
  std::vector<std::unique_ptr<TJvHidDevice>> found = ReadInterfaces();
  const auto presentIn = [](const auto& devices, const TJvHidDevice* device) {
    return std::any_of(devices.begin(), devices.end(), [device](const auto& other) {
      return other->PnPInfo()->DeviceID() == device->PnPInfo()->DeviceID();
    });
  };

  std::vector<TJvHidDevice*> known;
  for (const auto& device : m_list) {
    known.push_back(device.get());
  }
  for (auto it = known.rbegin(); it != known.rend(); ++it) {
    TJvHidDevice* device = *it;
    if (!Holds(device) || (device->IsPluggedIn() && presentIn(found, device))) {
      continue;
    }
    changed = true;
    device->DoUnplug();
    // The unplug handler may have checked the device in, which destroyed it.
    if (!Holds(device)) {
      continue;
    }
    if (m_onRemoval) {
      m_onRemoval(device);
    }
    if (Holds(device) && !device->IsCheckedOut()) {
      const auto held = std::find_if(m_list.begin(), m_list.end(), [device](const auto& d) { return d.get() == device; });
      device->m_controller = nullptr;
      m_list.erase(held);
    }
  }

  for (std::unique_ptr<TJvHidDevice>& device : found) {
    const bool known = std::any_of(m_list.begin(), m_list.end(), [&](const auto& held) {
      return held->IsPluggedIn() && held->PnPInfo()->DeviceID() == device->PnPInfo()->DeviceID();
    });
    if (known) {
      device->m_controller = nullptr;
      device.reset();
    }
  }
  for (std::unique_ptr<TJvHidDevice>& device : found) {
    if (!device) {
      continue;
    }
    TJvHidDevice* added = device.get();
    m_list.push_back(std::move(device));
    changed = true;
    if (m_onArrival) {
      m_onArrival(added);
    }
  }
  Recount();
  if (changed && m_onDeviceChange) {
    m_onDeviceChange(this);
  }
}

void TJvHidDeviceController::Recount() {
  m_numCheckedInDevices = 0;
  m_numCheckedOutDevices = 0;
  m_numUnpluggedDevices = 0;
  for (const auto& device : m_list) {
    const bool checkedOut = device->IsCheckedOut();
    const bool plugged = device->IsPluggedIn();
    m_numCheckedInDevices += checkedOut ? 0 : 1;
    m_numCheckedOutDevices += checkedOut && plugged ? 1 : 0;
    m_numUnpluggedDevices += plugged ? 0 : 1;
  }
}

bool TJvHidDeviceController::Offer(TJvHidDevice* device, const std::function<bool(TJvHidDevice*)>& handler) {
  device->SetEnumerated(true);
  const bool result = handler(device);
  device->SetEnumerated(false);
  if (!device->IsCheckedOut()) {
    device->CloseAllFiles();
  }
  return result;
}

int TJvHidDeviceController::Enumerate() {
  int offered = 0;
  for (std::size_t i = 0; i < m_list.size(); ++i) {
    TJvHidDevice* device = m_list[i].get();
    if (!device->IsPluggedIn()) {
      continue;
    }
    ++offered;
    if (!m_onEnumerate) {
      break;
    }
    const TJvHidEnumerateEvent handler = m_onEnumerate;
    const int index = static_cast<int>(i);
    if (!Offer(device, [&](TJvHidDevice* offeredDevice) { return handler(offeredDevice, index); })) {
      break;
    }
  }
  return offered;
}

bool TJvHidDeviceController::CheckOutByIndex(TJvHidDevice*& HidDev, int Idx) {
  HidDev = nullptr;
  if (Idx < 0 || Idx >= Count() || !m_list[static_cast<std::size_t>(Idx)]->CheckOut()) {
    return false;
  }
  HidDev = m_list[static_cast<std::size_t>(Idx)].get();
  return true;
}

bool TJvHidDeviceController::TakeFirst(TJvHidDevice*& HidDev, const std::function<bool(TJvHidDevice*)>& matches) {
  HidDev = nullptr;
  for (std::size_t i = 0; i < m_list.size(); ++i) {
    TJvHidDevice* device = m_list[i].get();
    if (!device->IsCheckedOut() && matches(device) && device->CheckOut()) {
      HidDev = device;
      return true;
    }
  }
  return false;
}

bool TJvHidDeviceController::CheckOut(TJvHidDevice*& HidDev) {
  return TakeFirst(HidDev, [](TJvHidDevice*) { return true; });
}

bool TJvHidDeviceController::CheckOutByID(TJvHidDevice*& HidDev, int vendorId, int productId) {
  return TakeFirst(HidDev, [&](TJvHidDevice* device) {
    return device->Attributes().VendorID == vendorId &&
           (productId == -1 || device->Attributes().ProductID == productId);
  });
}

bool TJvHidDeviceController::CheckOutByClass(TJvHidDevice*& HidDev, const std::string& className) {
  HidDev = nullptr;
  return !className.empty() &&
         TakeFirst(HidDev, [&](TJvHidDevice* device) { return device->PnPInfo()->ClassDescr() == className; });
}

bool TJvHidDeviceController::CheckOutByProductName(TJvHidDevice*& HidDev, const std::u16string& productName) {
  HidDev = nullptr;
  return !productName.empty() &&
         TakeFirst(HidDev, [&](TJvHidDevice* device) { return device->m_productName == productName; });
}

bool TJvHidDeviceController::CheckOutByVendorName(TJvHidDevice*& HidDev, const std::u16string& vendorName) {
  HidDev = nullptr;
  return !vendorName.empty() &&
         TakeFirst(HidDev, [&](TJvHidDevice* device) { return device->m_vendorName == vendorName; });
}

bool TJvHidDeviceController::CheckOutByCallback(TJvHidDevice*& HidDev, const TJvHidCheckCallback& check) {
  return TakeFirst(HidDev, [&](TJvHidDevice* device) { return check && Offer(device, check); });
}

void TJvHidDeviceController::CheckIn(TJvHidDevice*& HidDev) {
  TJvHidDevice* device = std::exchange(HidDev, nullptr);
  if (device == nullptr) {
    return;
  }
  device->StopThread();
  device->CloseAllFiles();
  if (!device->IsPluggedIn()) {
    if (Holds(device)) {
      delete device;  // its destructor takes it off the list
    }
    return;
  }
  device->SetCheckedOut(false);
  Recount();
}

int TJvHidDeviceController::CountPlugged(const std::function<bool(TJvHidDevice*)>& matches) {
  int count = 0;
  for (std::size_t i = 0; i < m_list.size(); ++i) {
    TJvHidDevice* device = m_list[i].get();
    count += device->IsPluggedIn() && matches(device) ? 1 : 0;
  }
  return count;
}

int TJvHidDeviceController::CountByID(int vendorId, int productId) {
  return CountPlugged([&](TJvHidDevice* device) {
    return device->Attributes().VendorID == vendorId &&
           (productId == -1 || device->Attributes().ProductID == productId);
  });
}

int TJvHidDeviceController::CountByClass(const std::string& className) {
  return className.empty() ? 0 : CountPlugged([&](TJvHidDevice* d) { return d->PnPInfo()->ClassDescr() == className; });
}

int TJvHidDeviceController::CountByProductName(const std::u16string& productName) {
  return productName.empty() ? 0 : CountPlugged([&](TJvHidDevice* d) { return d->m_productName == productName; });
}

int TJvHidDeviceController::CountByVendorName(const std::u16string& vendorName) {
  return vendorName.empty() ? 0 : CountPlugged([&](TJvHidDevice* d) { return d->m_vendorName == vendorName; });
}

int TJvHidDeviceController::CountByCallback(const TJvHidCheckCallback& check) {
  return CountPlugged([&](TJvHidDevice* device) { return check && Offer(device, check); });
}

void TJvHidDeviceController::DeviceDestroyed(TJvHidDevice* device, std::unique_ptr<TJvHidPnPInfo> pnpInfo,
                                             TJvHidDataEvent onData, TJvHidPlugEvent onUnplug, int threadSleepTime) {
  const auto held = std::find_if(m_list.begin(), m_list.end(), [device](const auto& d) { return d.get() == device; });
  if (held == m_list.end()) {
    return;
  }
  // The list's owner of `device` is the object being destroyed.
  held->release();
  if (device->IsPluggedIn() && pnpInfo) {
    try {
      held->reset(new TJvHidDevice(std::move(pnpInfo), this, m_system));
      (*held)->SetOnData(std::move(onData));
      (*held)->SetOnUnplug(std::move(onUnplug));
      (*held)->SetThreadSleepTime(threadSleepTime);
      Recount();
      return;
    } catch (const EControllerError&) {
      // The interface went meanwhile: nothing takes the old device's place.
    }
  }
  m_list.erase(std::find(m_list.begin(), m_list.end(), nullptr));
  Recount();
}

void TJvHidDeviceController::SetDevThreadSleepTime(int milliseconds) {
  if (milliseconds == m_devThreadSleepTime) {
    return;
  }
  for (const auto& device : m_list) {
    if (device->ThreadSleepTime() == m_devThreadSleepTime) {
      device->SetThreadSleepTime(milliseconds);
    }
  }
  m_devThreadSleepTime = milliseconds;
}

void TJvHidDeviceController::SetOnDeviceChange(TJvHidNotifyEvent handler) {
  if (handler == m_onDeviceChange) {
    return;
  }
  m_onDeviceChange = std::move(handler);
  if (!m_loading) {
    DeviceChange();
  }
}

void TJvHidDeviceController::SetOnDeviceData(TJvHidDataEvent handler) {
  PassOn(m_list, m_onDeviceData, std::move(handler), &TJvHidDevice::OnData, &TJvHidDevice::SetOnData);
}

void TJvHidDeviceController::SetOnDeviceDataError(TJvHidDataErrorEvent handler) {
  PassOn(m_list, m_onDeviceDataError, std::move(handler), &TJvHidDevice::OnDataError, &TJvHidDevice::SetOnDataError);
}

void TJvHidDeviceController::SetOnDeviceUnplug(TJvHidPlugEvent handler) {
  PassOn(m_list, m_onDeviceUnplug, std::move(handler), &TJvHidDevice::OnUnplug, &TJvHidDevice::SetOnUnplug);
}
