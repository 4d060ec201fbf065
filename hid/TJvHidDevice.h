#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "hid/HidReportDescriptor.h"
#include "hid/HidTypes.h"

class HidDeviceFile;
class HidSystem;
class TJvHidDeviceReadThread;
class TJvHidPnPInfo;

/// One HID device interface the controller found: its Plug-and-Play
/// information, ids and report lengths, up to three device files opened on
/// demand while it is accessible (plugged in, and checked out or being
/// offered), report I/O, the device's strings and report parser, and, while
/// checked out with a data handler and read and write access, a read thread
/// that hands every input report to OnData on the GUI thread. Reports
/// always start with their id byte: for a device without report ids the
/// read thread puts id 0 in front of what the device gives.
///
/// Only the controller creates devices; it owns those in its list. GUI
/// thread, except: the read thread's own calls, and GetCaps and WriteFile,
/// which a writer thread may call while the owner keeps check-in, unplug
/// and destruction of the device apart from them. The device files and the
/// parsed descriptor are guarded inside, so a file closed on the GUI thread
/// stays valid for a write or read already under way.
class TJvHidDevice {
public:
  /// Raises EControllerError: only the controller makes devices.
  TJvHidDevice();
  ~TJvHidDevice();
  TJvHidDevice(const TJvHidDevice&) = delete;
  TJvHidDevice& operator=(const TJvHidDevice&) = delete;

  // State.
  const HIDD_ATTRIBUTES& Attributes() const { return m_attributes; }
  HIDP_CAPS Caps();
  bool HasReadWriteAccess() const { return m_hasReadWriteAccess.load(); }
  bool IsCheckedOut() const { return m_isCheckedOut.load(); }
  bool IsPluggedIn() const { return m_isPluggedIn.load(); }
  TJvHidPnPInfo* PnPInfo() const { return m_pnpInfo.get(); }
  int Tag() const { return m_tag; }
  void SetTag(int tag) { m_tag = tag; }

  // Check-out, unplug and the read thread.
  /// Takes the device for the application (the controller's counts follow)
  /// and starts the read thread when its conditions hold. False when the
  /// device has no controller, is unplugged or is checked out already.
  bool CheckOut();
  /// Closes the device files, marks the device unplugged and calls OnUnplug
  /// once. The read thread ends on its own when it sees the device gone.
  void DoUnplug();
  /// Starts the read thread when OnData is set, the device is plugged in and
  /// checked out with read and write access, and none runs.
  void StartThread();
  /// Ends the read thread, also while it waits for a hand-over to the GUI
  /// thread, and waits for it.
  void StopThread();
  const TJvHidDataEvent& OnData() const { return m_onData; }
  /// An empty handler stops the read thread; a handler starts it when the
  /// conditions hold.
  void SetOnData(TJvHidDataEvent handler);
  const TJvHidDataErrorEvent& OnDataError() const { return m_onDataError; }
  void SetOnDataError(TJvHidDataErrorEvent handler) { m_onDataError = std::move(handler); }
  const TJvHidPlugEvent& OnUnplug() const { return m_onUnplug; }
  void SetOnUnplug(TJvHidPlugEvent handler) { m_onUnplug = std::move(handler); }
  int ThreadSleepTime() const { return m_threadSleepTime.load(); }
  /// Takes 10 to 10000 ms; ignores other values.
  void SetThreadSleepTime(int milliseconds);

  // Device files: -1 while closed.
  bool OpenFile();
  bool OpenFileEx(TJvHidOpenExMode mode);
  void CloseFile();
  void CloseFileEx(TJvHidOpenExMode mode);
  /// Drops a read started by ReadFileEx (writes never stay pending); false
  /// when the file is closed.
  bool CancelIO(TJvHidOpenExMode mode);
  int HidFileHandle() const;
  int HidOverlappedRead() const;
  int HidOverlappedWrite() const;
  std::uint32_t HidOverlappedReadResult() const { return m_overlappedReadResult.load(); }
  std::uint32_t HidOverlappedWriteResult() const { return m_overlappedWriteResult.load(); }

  // Reports.
  /// One output report, `report[0]` its id, on the synchronous file.
  bool WriteFile(const std::uint8_t* report, std::uint32_t bytesToWrite, std::uint32_t& bytesWritten);
  /// Waits for one input report on the synchronous file; it starts with its id.
  bool ReadFile(std::uint8_t* report, std::uint32_t bytesToRead, std::uint32_t& bytesRead);
  /// Called with a system error code (0: none) and the bytes moved.
  using TJvHidCompletion = std::function<void(std::uint32_t errorCode, std::uint32_t bytesTransferred)>;
  /// Starts reading one input report on the overlapped read file into
  /// `report`, which must stay valid until `completion` has run on this
  /// thread's event loop (or CancelIO, CloseFileEx or the device's end has
  /// dropped the read). False when the file cannot be opened or a read is
  /// pending already.
  bool ReadFileEx(std::uint8_t* report, std::uint32_t bytesToRead, TJvHidCompletion completion);
  /// Writes one output report on the overlapped write file; the system
  /// writes at once, so `completion` runs before this returns. False when
  /// the file cannot be opened or the write fails.
  bool WriteFileEx(const std::uint8_t* report, std::uint32_t bytesToWrite, const TJvHidCompletion& completion);
  /// The usage and report lengths from the parsed report descriptor.
  NTSTATUS GetCaps(HIDP_CAPS& caps);
  /// The parsed report descriptor, read on first use; null when it cannot be.
  const HidReportDescriptor* PreparsedData();

  // Device information (TJvHidDevice_Info.cpp).
  bool GetFeature(std::uint8_t* report, std::uint32_t size);
  bool SetFeature(const std::uint8_t* report, std::uint32_t size);
  /// False where the system has no such request.
  bool GetInputReport(std::uint8_t* report, std::uint32_t size);
  bool SetOutputReport(const std::uint8_t* report, std::uint32_t size);
  /// Drops every input report that waits on the synchronous file.
  bool FlushQueue();
  /// A raw control request on the synchronous file: `inBuffer` is copied
  /// into `outBuffer`, which the request reads and fills.
  bool DeviceIoControl(unsigned long code, const void* inBuffer, std::uint32_t inSize, void* outBuffer,
                       std::uint32_t outSize, std::uint32_t& bytesReturned);
  HIDD_CONFIGURATION Configuration();
  bool SetConfiguration(const HIDD_CONFIGURATION& configuration);
  int NumInputBuffers() const { return m_numInputBuffers.load(); }
  void SetNumInputBuffers(int count);
  int NumOverlappedBuffers() const { return m_numOverlappedBuffers.load(); }
  void SetNumOverlappedBuffers(int count);
  std::u16string VendorName();
  std::u16string ProductName();
  std::u16string SerialNumber();
  std::u16string GetDeviceStringUnicode(int index);
  std::string GetDeviceStringAnsi(int index);
  std::vector<std::string> LanguageStrings();
  std::vector<std::uint16_t> PhysicalDescriptor();
  HIDP_LINK_COLLECTION_NODE GetLinkCollectionNode(int index);
  std::uint32_t ReportTypeParam() const { return m_reportTypeParam; }
  void SetReportTypeParam(std::uint32_t value);
  std::uint16_t UsagePageParam() const { return m_usagePageParam; }
  void SetUsagePageParam(std::uint16_t value);
  std::uint16_t LinkCollectionParam() const { return m_linkCollectionParam; }
  void SetLinkCollectionParam(std::uint16_t value) { m_linkCollectionParam = value; }
  std::uint16_t UsageParam() const { return m_usageParam; }
  void SetUsageParam(std::uint16_t value) { m_usageParam = value; }
  std::uint32_t MaxDataListLength() const { return m_maxDataListLength; }
  std::uint32_t MaxUsageListLength() const { return m_maxUsageListLength; }
  std::uint32_t MaxButtonListLength() const { return m_maxButtonListLength; }

  // Report parser (TJvHidDevice_Parser.cpp). This system has no report
  // parser to pass them to: HIDP_STATUS_NULL while the device is not
  // accessible, else HIDP_STATUS_NOT_IMPLEMENTED.
  NTSTATUS GetButtonCaps(void* buttonCaps, std::uint16_t& count);
  NTSTATUS GetValueCaps(void* valueCaps, std::uint16_t& count);
  NTSTATUS GetSpecificButtonCaps(void* buttonCaps, std::uint16_t& count);
  NTSTATUS GetSpecificValueCaps(void* valueCaps, std::uint16_t& count);
  NTSTATUS GetData(void* dataList, std::uint32_t& dataLength, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS SetData(void* dataList, std::uint32_t& dataLength, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS GetUsages(std::uint16_t* usages, std::uint32_t& usageLength, std::uint8_t* report,
                     std::uint32_t reportLength);
  NTSTATUS GetButtons(std::uint16_t* usages, std::uint32_t& usageLength, std::uint8_t* report,
                      std::uint32_t reportLength);
  NTSTATUS SetUsages(std::uint16_t* usages, std::uint32_t& usageLength, std::uint8_t* report,
                     std::uint32_t reportLength);
  NTSTATUS SetButtons(std::uint16_t* usages, std::uint32_t& usageLength, std::uint8_t* report,
                      std::uint32_t reportLength);
  NTSTATUS UnsetUsages(std::uint16_t* usages, std::uint32_t& usageLength, std::uint8_t* report,
                       std::uint32_t reportLength);
  NTSTATUS UnsetButtons(std::uint16_t* usages, std::uint32_t& usageLength, std::uint8_t* report,
                        std::uint32_t reportLength);
  NTSTATUS GetUsagesEx(void* usageList, std::uint32_t& usageLength, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS GetButtonsEx(void* usageList, std::uint32_t& usageLength, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS GetUsageValue(std::uint32_t& usageValue, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS GetScaledUsageValue(std::int32_t& usageValue, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS SetUsageValue(std::uint32_t usageValue, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS SetScaledUsageValue(std::int32_t usageValue, std::uint8_t* report, std::uint32_t reportLength);
  NTSTATUS GetUsageValueArray(std::uint8_t* usageValue, std::uint16_t usageValueByteLength, std::uint8_t* report,
                              std::uint32_t reportLength);
  NTSTATUS SetUsageValueArray(std::uint8_t* usageValue, std::uint16_t usageValueByteLength, std::uint8_t* report,
                              std::uint32_t reportLength);
  NTSTATUS GetExtendedAttributes(std::uint32_t reportType, std::uint16_t dataIndex, void* attributes,
                                 std::uint32_t& lengthAttributes);
  NTSTATUS InitializeReportForID(std::uint32_t reportType, std::uint8_t reportId, std::uint8_t* report,
                                 std::uint32_t reportLength);

private:
  friend class TJvHidDeviceController;
  friend class TJvHidDeviceReadThread;

  /// Opens the interface to read its ids; raises EControllerError "device
  /// cannot be opened" or "device cannot be identified".
  TJvHidDevice(std::unique_ptr<TJvHidPnPInfo> pnpInfo, TJvHidDeviceController* controller,
               std::shared_ptr<HidSystem> system);

  bool IsAccessible() const;
  std::shared_ptr<HidDeviceFile> SyncFile();
  /// The overlapped read file, opened when needed; null with `error`.
  std::shared_ptr<HidDeviceFile> ReadHandle(int& error);
  void CloseAllFiles();
  /// The parser's answer for a device that is accessible.
  NTSTATUS ParserStatus() const;
  bool ControlSync(unsigned long request, void* argument);
  std::u16string CachedString(std::u16string& cache, int kind);
  std::optional<std::vector<std::uint16_t>> LanguageIds();
  void SetEnumerated(bool enumerated) { m_isEnumerated = enumerated; }
  void SetCheckedOut(bool checkedOut) { m_isCheckedOut = checkedOut; }
  void DoData(std::uint8_t reportId, const std::uint8_t* data, std::uint16_t size);
  void DoDataError(std::uint32_t error);
  /// The overlapped read file polled readable: completes the pending read.
  void CompletePendingRead();

  TJvHidDeviceController* m_controller = nullptr;
  std::shared_ptr<HidSystem> m_system;
  std::atomic<bool> m_isPluggedIn{true};
  std::atomic<bool> m_isCheckedOut{false};
  std::atomic<bool> m_isEnumerated{false};
  std::atomic<bool> m_hasReadWriteAccess{false};
  HIDD_ATTRIBUTES m_attributes;
  std::unique_ptr<TJvHidPnPInfo> m_pnpInfo;

  mutable std::mutex m_fileMutex;
  std::shared_ptr<HidDeviceFile> m_file;       // guards: m_fileMutex
  std::shared_ptr<HidDeviceFile> m_readFile;   // guards: m_fileMutex
  std::shared_ptr<HidDeviceFile> m_writeFile;  // guards: m_fileMutex
  std::optional<HidReportDescriptor> m_preparsed;  // guards: m_fileMutex
  std::atomic<std::uint32_t> m_overlappedReadResult{0};
  std::atomic<std::uint32_t> m_overlappedWriteResult{0};
  struct PendingRead;
  std::unique_ptr<PendingRead> m_pendingRead;

  std::u16string m_vendorName;
  std::u16string m_productName;
  std::u16string m_serialNumber;
  std::vector<std::string> m_languageStrings;
  std::vector<HIDP_LINK_COLLECTION_NODE> m_linkCollection;
  std::atomic<int> m_numInputBuffers{0};
  std::atomic<int> m_numOverlappedBuffers{0};
  std::atomic<int> m_threadSleepTime{100};
  std::uint32_t m_maxDataListLength = 0;
  std::uint32_t m_maxUsageListLength = 0;
  std::uint32_t m_maxButtonListLength = 0;
  std::uint32_t m_reportTypeParam = 0;
  std::uint16_t m_usagePageParam = 0;
  std::uint16_t m_linkCollectionParam = 0;
  std::uint16_t m_usageParam = 0;
  TJvHidDataEvent m_onData;
  TJvHidDataErrorEvent m_onDataError;
  TJvHidPlugEvent m_onUnplug;
  std::unique_ptr<TJvHidDeviceReadThread> m_dataThread;
  int m_tag = 0;
};
