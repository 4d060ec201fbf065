#include "hid/TJvHidDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <linux/hidraw.h>
#include <sys/ioctl.h>

#include <QLocale>
#include <QString>

#include "hid/TJvHidDeviceController.h"
#include "platform/io/HidSystem.h"

namespace {

std::u16string Utf16(const std::string& text) { return QString::fromStdString(text).toStdU16String(); }

// The language of a USB language id, as far as its primary language tells.
QString LanguageName(std::uint16_t id) {
  static const struct {
    std::uint16_t primary;
    QLocale::Language language;
  } kLanguages[] = {{0x04, QLocale::Chinese}, {0x07, QLocale::German},   {0x09, QLocale::English},
                    {0x0A, QLocale::Spanish}, {0x0C, QLocale::French},   {0x10, QLocale::Italian},
                    {0x11, QLocale::Japanese}, {0x12, QLocale::Korean},  {0x19, QLocale::Russian}};
  for (const auto& entry : kLanguages) {
    if (entry.primary == (id & 0x3FF)) {
      return QLocale::languageToString(entry.language);
    }
  }
  char text[32];
  std::snprintf(text, sizeof text, "unknown Locale ID $%.4x", static_cast<unsigned>(id));
  return QString::fromLatin1(text);
}

}  // namespace

bool TJvHidDevice::ControlSync(unsigned long request, void* argument) {
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  return file && file->Control(request, argument) >= 0;
}

bool TJvHidDevice::GetFeature(std::uint8_t* report, std::uint32_t size) {
  return ControlSync(HIDIOCGFEATURE(size), report);
}

bool TJvHidDevice::SetFeature(const std::uint8_t* report, std::uint32_t size) {
  std::vector<std::uint8_t> copy(report, report + size);
  return ControlSync(HIDIOCSFEATURE(size), copy.data());
}

bool TJvHidDevice::GetInputReport(std::uint8_t* report, std::uint32_t size) {
  return ControlSync(HIDIOCGINPUT(size), report);
}

bool TJvHidDevice::SetOutputReport(const std::uint8_t* report, std::uint32_t size) {
  std::vector<std::uint8_t> copy(report, report + size);
  return ControlSync(HIDIOCSOUTPUT(size), copy.data());
}

bool TJvHidDevice::FlushQueue() {
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  if (!file) {
    return false;
  }
  std::vector<std::uint8_t> report(TJvHidDeviceController::kLongestReport);
  while (file->Read(report.data(), report.size()) > 0) {
  }
  return true;
}

bool TJvHidDevice::DeviceIoControl(unsigned long code, const void* inBuffer, std::uint32_t inSize, void* outBuffer,
                                   std::uint32_t outSize, std::uint32_t& bytesReturned) {
  bytesReturned = 0;
  std::vector<std::uint8_t> buffer(std::max(inSize, outSize));
  if (inBuffer != nullptr && inSize > 0) {
    std::memcpy(buffer.data(), inBuffer, inSize);
  }
  if (!ControlSync(code, buffer.data())) {
    return false;
  }
  if (outBuffer != nullptr && outSize > 0) {
    std::memcpy(outBuffer, buffer.data(), outSize);
    bytesReturned = outSize;
  }
  return true;
}

// hidraw has no configuration of its report queue.
HIDD_CONFIGURATION TJvHidDevice::Configuration() { return {}; }

bool TJvHidDevice::SetConfiguration(const HIDD_CONFIGURATION& /*configuration*/) { return false; }

void TJvHidDevice::SetNumInputBuffers(int count) {
  // The system keeps its own fixed queue per file and reports its length back.
  if (count != m_numInputBuffers.load() && OpenFile()) {
    m_numInputBuffers = TJvHidDeviceController::kReportQueueLength;
  }
}

void TJvHidDevice::SetNumOverlappedBuffers(int count) {
  if (count != m_numOverlappedBuffers.load() && OpenFileEx(TJvHidOpenExMode::omhRead)) {
    m_numOverlappedBuffers = TJvHidDeviceController::kReportQueueLength;
  }
}

std::u16string TJvHidDevice::CachedString(std::u16string& cache, int kind) {
  if (cache.empty()) {
    if (const std::shared_ptr<HidDeviceFile> file = SyncFile()) {
      std::string text;
      if (file->String(static_cast<HidStringKind>(kind), text)) {
        cache = Utf16(text);
      }
    }
    CloseFile();
  }
  return cache;
}

std::u16string TJvHidDevice::VendorName() {
  return CachedString(m_vendorName, static_cast<int>(HidStringKind::Manufacturer));
}

std::u16string TJvHidDevice::ProductName() {
  return CachedString(m_productName, static_cast<int>(HidStringKind::Product));
}

std::optional<std::vector<std::uint16_t>> TJvHidDevice::LanguageIds() {
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  std::vector<std::uint16_t> ids;
  if (!file || !file->LanguageIds(ids)) {
    return std::nullopt;
  }
  return ids;
}

std::u16string TJvHidDevice::SerialNumber() {
  if (!m_serialNumber.empty()) {
    return m_serialNumber;
  }
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  std::string text;
  if (file && file->String(HidStringKind::SerialNumber, text)) {
    const std::u16string serial = Utf16(text);
    // Some devices answer the serial-number request with their language
    // list; such a "serial number" is not kept. Where the system cannot
    // give the list, the string is taken as it is.
    const std::optional<std::vector<std::uint16_t>> ids = LanguageIds();
    bool differs = !ids.has_value();
    if (ids) {
      std::size_t count = ids->size();
      while (count > 0 && ((*ids)[count - 1] == 0xFFFF || (*ids)[count - 1] == 0)) {
        --count;
      }
      for (std::size_t i = 0; i < count && !differs; ++i) {
        differs = i >= serial.size() || serial[i] != (*ids)[i];
      }
    }
    if (differs) {
      m_serialNumber = serial;
    }
  }
  CloseFile();
  return m_serialNumber;
}

// hidraw offers no indexed string requests.
std::u16string TJvHidDevice::GetDeviceStringUnicode(int /*index*/) { return {}; }

std::string TJvHidDevice::GetDeviceStringAnsi(int index) {
  return QString::fromStdU16String(GetDeviceStringUnicode(index)).toLocal8Bit().toStdString();
}

std::vector<std::string> TJvHidDevice::LanguageStrings() {
  if (m_languageStrings.empty()) {
    if (const std::optional<std::vector<std::uint16_t>> ids = LanguageIds()) {
      for (const std::uint16_t id : *ids) {
        if (id == 0 || id == 0xFFFF) {
          break;
        }
        m_languageStrings.push_back(LanguageName(id).toStdString());
      }
    }
    CloseFile();
  }
  return m_languageStrings;
}

// hidraw offers no physical descriptor.
std::vector<std::uint16_t> TJvHidDevice::PhysicalDescriptor() { return {}; }

HIDP_LINK_COLLECTION_NODE TJvHidDevice::GetLinkCollectionNode(int index) {
  if (m_linkCollection.empty() && IsAccessible()) {
    if (const HidReportDescriptor* descriptor = PreparsedData()) {
      m_linkCollection = descriptor->Collections();
    }
  }
  if (index < 0 || index >= static_cast<int>(m_linkCollection.size())) {
    return {};
  }
  return m_linkCollection[static_cast<std::size_t>(index)];
}

// The list lengths come from the system's report parser, which this system
// does not have: they stay 0.
void TJvHidDevice::SetReportTypeParam(std::uint32_t value) { m_reportTypeParam = value; }

void TJvHidDevice::SetUsagePageParam(std::uint16_t value) { m_usagePageParam = value; }
