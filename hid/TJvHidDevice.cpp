#include "hid/TJvHidDevice.h"

#include <cerrno>
#include <poll.h>
#include <utility>

#include <QSocketNotifier>

#include "hid/HidError.h"
#include "hid/TJvHidDeviceController.h"
#include "hid/TJvHidDeviceReadThread.h"
#include "hid/TJvHidPnPInfo.h"
#include "platform/io/HidSystem.h"

namespace {

constexpr int kShortestSleep = 10;
constexpr int kLongestSleep = 10000;

}  // namespace

// A read started by ReadFileEx: completed when the read file polls
// readable, which the GUI thread's event loop notices.
struct TJvHidDevice::PendingRead {
  std::shared_ptr<HidDeviceFile> file;
  std::uint8_t* report = nullptr;
  std::uint32_t size = 0;
  TJvHidCompletion completion;
  std::unique_ptr<QSocketNotifier> notifier;
};

TJvHidDevice::TJvHidDevice() {
  throw EControllerError("Direct creation of a TJvHidDevice object is not allowed");
}

TJvHidDevice::TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDeviceController* controller,
                           std::shared_ptr<HidSystem> system)
    : m_controller(controller), m_system(std::move(system)), m_pnpInfo(std::move(pnpInfo)) {
  if (m_controller != nullptr) {
    m_onData = m_controller->OnDeviceData();
    m_onUnplug = m_controller->OnDeviceUnplug();
  }
  int error = 0;
  std::unique_ptr<HidDeviceFile> file = m_system->Open(m_pnpInfo->DevicePath(), HidAccess::ReadWrite, error);
  m_hasReadWriteAccess = file != nullptr;
  if (!file) {
    file = m_system->Open(m_pnpInfo->DevicePath(), HidAccess::Query, error);
  }
  if (!file) {
    throw EControllerError("device cannot be opened");
  }
  HidRawAttributes raw;
  if (!file->RawInfo(raw)) {
    throw EControllerError("device cannot be identified");
  }
  m_attributes.VendorID = raw.vendorId;
  m_attributes.ProductID = raw.productId;
  m_attributes.VersionNumber = raw.version;
}

TJvHidDevice::~TJvHidDevice() {
  TJvHidDataEvent onData = m_onData;
  TJvHidPlugEvent onUnplug = m_onUnplug;
  SetOnData(nullptr);
  m_onUnplug = nullptr;
  CloseAllFiles();
  if (m_controller != nullptr) {
    m_controller->DeviceDestroyed(this, std::move(m_pnpInfo), std::move(onData), std::move(onUnplug),
                                  ThreadSleepTime());
  }
}

HIDP_CAPS TJvHidDevice::Caps() {
  HIDP_CAPS caps;
  GetCaps(caps);
  return caps;
}

bool TJvHidDevice::IsAccessible() const { return IsPluggedIn() && (IsCheckedOut() || m_isEnumerated.load()); }

bool TJvHidDevice::CheckOut() {
  if (m_controller == nullptr || !IsPluggedIn() || IsCheckedOut()) {
    return false;
  }
  m_isCheckedOut = true;
  m_controller->Recount();
  StartThread();
  return true;
}

void TJvHidDevice::DoUnplug() {
  CloseAllFiles();
  if (!m_isPluggedIn.exchange(false)) {
    return;
  }
  if (const TJvHidPlugEvent handler = m_onUnplug) {
    handler(this);
  }
}

void TJvHidDevice::StartThread() {
  if (!m_onData || !IsPluggedIn() || !IsCheckedOut() || !HasReadWriteAccess() || m_dataThread) {
    return;
  }
  // The descriptor is read before the thread starts, so that the thread
  // knows the report layout from its first read.
  PreparsedData();
  auto thread = std::unique_ptr<TJvHidDeviceReadThread>(new TJvHidDeviceReadThread(*this));
  if (thread->Start()) {
    m_dataThread = std::move(thread);
  }
}

void TJvHidDevice::StopThread() {
  if (!m_dataThread) {
    return;
  }
  m_dataThread->Terminate();
  m_dataThread->WaitFor();
  m_dataThread.reset();
}

void TJvHidDevice::SetOnData(TJvHidDataEvent handler) {
  if (!handler) {
    StopThread();
  }
  m_onData = std::move(handler);
  StartThread();
}

void TJvHidDevice::SetThreadSleepTime(int milliseconds) {
  if (milliseconds >= kShortestSleep && milliseconds <= kLongestSleep) {
    m_threadSleepTime = milliseconds;
  }
}

bool TJvHidDevice::OpenFile() {
  std::scoped_lock lock(m_fileMutex);
  if (IsAccessible() && !m_file) {
    int error = 0;
    std::unique_ptr<HidDeviceFile> file = m_system->Open(m_pnpInfo->DevicePath(), HidAccess::ReadWrite, error);
    m_hasReadWriteAccess = file != nullptr;
    if (!file) {
      file = m_system->Open(m_pnpInfo->DevicePath(), HidAccess::Query, error);
    }
    m_file = std::move(file);
    if (m_file) {
      m_numInputBuffers = TJvHidDeviceController::kReportQueueLength;
    }
  }
  return m_file != nullptr;
}

bool TJvHidDevice::OpenFileEx(TJvHidOpenExMode mode) {
  if (mode == TJvHidOpenExMode::omhRead) {
    int error = 0;
    return ReadHandle(error) != nullptr;
  }
  std::scoped_lock lock(m_fileMutex);
  if (!IsAccessible()) {
    return false;
  }
  if (!m_writeFile) {
    int error = 0;
    m_writeFile = m_system->Open(m_pnpInfo->DevicePath(), HidAccess::Write, error);
  }
  return m_writeFile != nullptr;
}

std::shared_ptr<HidDeviceFile> TJvHidDevice::ReadHandle(int& error) {
  std::scoped_lock lock(m_fileMutex);
  if (!IsAccessible()) {
    error = ENODEV;
    return nullptr;
  }
  if (!m_readFile) {
    m_readFile = m_system->Open(m_pnpInfo->DevicePath(), HidAccess::Read, error);
    if (m_readFile) {
      m_numOverlappedBuffers = TJvHidDeviceController::kReportQueueLength;
    }
  }
  return m_readFile;
}

std::shared_ptr<HidDeviceFile> TJvHidDevice::SyncFile() {
  OpenFile();
  std::scoped_lock lock(m_fileMutex);
  return m_file;
}

void TJvHidDevice::CloseFile() {
  std::scoped_lock lock(m_fileMutex);
  m_file.reset();
  m_numInputBuffers = 0;
}

void TJvHidDevice::CloseFileEx(TJvHidOpenExMode mode) {
  if (mode == TJvHidOpenExMode::omhRead) {
    m_pendingRead.reset();
  }
  std::scoped_lock lock(m_fileMutex);
  if (mode == TJvHidOpenExMode::omhRead) {
    m_readFile.reset();
    m_numOverlappedBuffers = 0;
  } else {
    m_writeFile.reset();
  }
}

void TJvHidDevice::CloseAllFiles() {
  CloseFile();
  CloseFileEx(TJvHidOpenExMode::omhRead);
  CloseFileEx(TJvHidOpenExMode::omhWrite);
}


int TJvHidDevice::HidFileHandle() const {
  std::scoped_lock lock(m_fileMutex);
  return m_file ? m_file->Fd() : -1;
}

int TJvHidDevice::HidOverlappedRead() const {
  std::scoped_lock lock(m_fileMutex);
  return m_readFile ? m_readFile->Fd() : -1;
}

int TJvHidDevice::HidOverlappedWrite() const {
  std::scoped_lock lock(m_fileMutex);
  return m_writeFile ? m_writeFile->Fd() : -1;
}

bool TJvHidDevice::WriteFile(const std::uint8_t* report, std::uint32_t bytesToWrite, std::uint32_t& bytesWritten) {
  bytesWritten = 0;
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  if (!file) {
    return false;
  }
  const ssize_t n = file->Write(report, bytesToWrite);
  if (n < 0) {
    return false;
  }
  bytesWritten = static_cast<std::uint32_t>(n);
  return true;
}

bool TJvHidDevice::ReadFile(std::uint8_t* report, std::uint32_t bytesToRead, std::uint32_t& bytesRead) {
  bytesRead = 0;
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  if (!file || bytesToRead == 0) {
    return false;
  }
  const HidReportDescriptor* descriptor = PreparsedData();
  const std::uint32_t offset = descriptor != nullptr && descriptor->UsesReportIds() ? 0 : 1;
  if (bytesToRead <= offset) {
    return false;
  }
  for (;;) {
    pollfd waiting{file->Fd(), POLLIN, 0};
    if (::poll(&waiting, 1, -1) < 0 && errno != EINTR) {
      return false;
    }
    const ssize_t n = file->Read(report + offset, bytesToRead - offset);
    if (n > 0) {
      report[0] = offset == 1 ? 0 : report[0];
      bytesRead = static_cast<std::uint32_t>(n) + offset;
      return true;
    }
    if (n == 0 || errno != EAGAIN) {
      return false;
    }
  }
}

NTSTATUS TJvHidDevice::GetCaps(HIDP_CAPS& caps) {
  caps = HIDP_CAPS();
  const HidReportDescriptor* descriptor = PreparsedData();
  if (descriptor == nullptr) {
    return HIDP_STATUS_INVALID_PREPARSED_DATA;
  }
  caps = descriptor->Caps();
  return HIDP_STATUS_SUCCESS;
}

const HidReportDescriptor* TJvHidDevice::PreparsedData() {
  {
    std::scoped_lock lock(m_fileMutex);
    if (m_preparsed) {
      return &*m_preparsed;
    }
  }
  const std::shared_ptr<HidDeviceFile> file = SyncFile();
  if (!file) {
    return nullptr;
  }
  std::vector<std::uint8_t> bytes;
  HidReportDescriptor descriptor;
  const bool parsed = file->ReportDescriptor(bytes) && descriptor.Parse(bytes);
  CloseFile();
  std::scoped_lock lock(m_fileMutex);
  if (parsed && !m_preparsed) {
    m_preparsed = descriptor;
  }
  return m_preparsed ? &*m_preparsed : nullptr;
}

void TJvHidDevice::DoData(std::uint8_t reportId, const std::uint8_t* data, std::uint16_t size) {
  if (const TJvHidDataEvent handler = m_onData) {
    handler(this, reportId, data, size);
  }
}

void TJvHidDevice::DoDataError(std::uint32_t error) {
  if (const TJvHidDataErrorEvent handler = m_onDataError) {
    handler(this, error);
  }
}

bool TJvHidDevice::ReadFileEx(std::uint8_t* report, std::uint32_t bytesToRead, TJvHidCompletion completion) {
  int error = 0;
  std::shared_ptr<HidDeviceFile> file = ReadHandle(error);
  if (!file || m_pendingRead || bytesToRead < 2) {
    return false;
  }
  auto pending = std::make_unique<PendingRead>();
  pending->file = std::move(file);
  pending->report = report;
  pending->size = bytesToRead;
  pending->completion = std::move(completion);
  pending->notifier = std::make_unique<QSocketNotifier>(pending->file->Fd(), QSocketNotifier::Read);
  QObject::connect(pending->notifier.get(), &QSocketNotifier::activated, [this] { CompletePendingRead(); });
  m_pendingRead = std::move(pending);
  return true;
}

void TJvHidDevice::CompletePendingRead() {
  const HidReportDescriptor* descriptor = PreparsedData();
  const std::uint32_t offset = descriptor != nullptr && descriptor->UsesReportIds() ? 0 : 1;
  PendingRead& pending = *m_pendingRead;
  const ssize_t n = pending.file->Read(pending.report + offset, pending.size - offset);
  if (n < 0 && errno == EAGAIN) {
    return;
  }
  const std::uint32_t errorCode = n < 0 ? static_cast<std::uint32_t>(errno) : 0;
  std::uint32_t bytes = 0;
  if (n > 0) {
    if (offset == 1) {
      pending.report[0] = 0;
    }
    bytes = static_cast<std::uint32_t>(n) + offset;
  }
  m_overlappedReadResult = bytes;
  // The completion may start the next read.
  const std::unique_ptr<PendingRead> done = std::move(m_pendingRead);
  if (done->completion) {
    done->completion(errorCode, bytes);
  }
}

bool TJvHidDevice::WriteFileEx(const std::uint8_t* report, std::uint32_t bytesToWrite,
                               const TJvHidCompletion& completion) {
  if (!OpenFileEx(TJvHidOpenExMode::omhWrite)) {
    return false;
  }
  std::shared_ptr<HidDeviceFile> file;
  {
    std::scoped_lock lock(m_fileMutex);
    file = m_writeFile;
  }
  const ssize_t n = file->Write(report, bytesToWrite);
  m_overlappedWriteResult = n > 0 ? static_cast<std::uint32_t>(n) : 0;
  if (n < 0) {
    return false;
  }
  if (completion) {
    completion(0, static_cast<std::uint32_t>(n));
  }
  return true;
}

bool TJvHidDevice::CancelIO(TJvHidOpenExMode mode) {
  if (mode == TJvHidOpenExMode::omhRead) {
    m_pendingRead.reset();
  }
  std::scoped_lock lock(m_fileMutex);
  return mode == TJvHidOpenExMode::omhRead ? m_readFile != nullptr : m_writeFile != nullptr;
}
