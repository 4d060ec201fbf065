#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

class TJvHidDevice;
class TJvHidDeviceController;

/// Status values of the HID report parser.
using NTSTATUS = std::uint32_t;
inline constexpr NTSTATUS HIDP_STATUS_SUCCESS = 0x00110000;
inline constexpr NTSTATUS HIDP_STATUS_NULL = 0x80110001;
inline constexpr NTSTATUS HIDP_STATUS_INVALID_PREPARSED_DATA = 0xC0110001;
inline constexpr NTSTATUS HIDP_STATUS_NOT_IMPLEMENTED = 0xC0110020;

/// HIDD_ATTRIBUTES: size (12), vendor id, product id, version.
struct HIDD_ATTRIBUTES {
  std::uint32_t Size = 12;
  std::uint16_t VendorID = 0;
  std::uint16_t ProductID = 0;
  std::uint16_t VersionNumber = 0;
};

/// HIDP_CAPS: the top-level usage and the report lengths of a device, each
/// length counting the report-id byte.
struct HIDP_CAPS {
  std::uint16_t Usage = 0;
  std::uint16_t UsagePage = 0;
  std::uint16_t InputReportByteLength = 0;
  std::uint16_t OutputReportByteLength = 0;
  std::uint16_t FeatureReportByteLength = 0;
  std::uint16_t Reserved[17] = {};
  std::uint16_t NumberLinkCollectionNodes = 0;
  std::uint16_t NumberInputButtonCaps = 0;
  std::uint16_t NumberInputValueCaps = 0;
  std::uint16_t NumberInputDataIndices = 0;
  std::uint16_t NumberOutputButtonCaps = 0;
  std::uint16_t NumberOutputValueCaps = 0;
  std::uint16_t NumberOutputDataIndices = 0;
  std::uint16_t NumberFeatureButtonCaps = 0;
  std::uint16_t NumberFeatureValueCaps = 0;
  std::uint16_t NumberFeatureDataIndices = 0;
};

/// HIDP_LINK_COLLECTION_NODE: one collection of the report descriptor;
/// indexes count from 0, the top collection first.
struct HIDP_LINK_COLLECTION_NODE {
  std::uint16_t LinkUsage = 0;
  std::uint16_t LinkUsagePage = 0;
  std::uint16_t Parent = 0;
  std::uint16_t NumberOfChildren = 0;
  std::uint16_t NextSibling = 0;
  std::uint16_t FirstChild = 0;
  std::uint8_t CollectionType = 0;
  bool IsAlias = false;
  void* UserContext = nullptr;

  bool operator==(const HIDP_LINK_COLLECTION_NODE&) const = default;
};

/// HIDD_CONFIGURATION: cookie, size, ring buffer size.
struct HIDD_CONFIGURATION {
  std::uint32_t cookie = 0;
  std::uint32_t size = 0;
  std::uint32_t RingBufferSize = 0;
};

/// The HID device-interface class.
struct TGUID {
  std::uint32_t D1 = 0;
  std::uint16_t D2 = 0;
  std::uint16_t D3 = 0;
  std::uint8_t D4[8] = {};

  bool operator==(const TGUID&) const = default;
};
inline constexpr TGUID kHidInterfaceClassGuid{0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

/// The handle a device operation works on.
enum class TJvHidOpenExMode { omhRead, omhWrite };

/// An event handler with an identity: copies of one handler compare equal,
/// two handlers made apart do not, so a controller can tell which devices
/// still hold its previous handler. Empty: no handler.
template <typename Signature>
class HidHandler {
public:
  HidHandler() = default;
  HidHandler(std::nullptr_t) {}
  template <typename F>
    requires(!std::same_as<std::decay_t<F>, HidHandler> && std::is_constructible_v<std::function<Signature>, F>)
  HidHandler(F function) : m_function(std::make_shared<const std::function<Signature>>(std::move(function))) {}

  explicit operator bool() const { return m_function && *m_function; }
  template <typename... Args>
  decltype(auto) operator()(Args&&... args) const {
    return (*m_function)(std::forward<Args>(args)...);
  }
  bool operator==(const HidHandler& other) const { return m_function == other.m_function; }

private:
  std::shared_ptr<const std::function<Signature>> m_function;
};

/// Events of the controller and its devices.
/// The controller's notify event (`TNotifyEvent` with the controller as Sender).
using TJvHidNotifyEvent = HidHandler<void(TJvHidDeviceController* Sender)>;
using TJvHidPlugEvent = HidHandler<void(TJvHidDevice* HidDev)>;
using TJvHidEnumerateEvent = HidHandler<bool(TJvHidDevice* HidDev, int Idx)>;
using TJvHidDataEvent =
    HidHandler<void(TJvHidDevice* HidDev, std::uint8_t ReportID, const std::uint8_t* Data, std::uint16_t Size)>;
using TJvHidDataErrorEvent = HidHandler<void(TJvHidDevice* HidDev, std::uint32_t Error)>;
using TJvHidCheckCallback = std::function<bool(TJvHidDevice* HidDev)>;
