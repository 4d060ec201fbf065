#include "plot/opc/OpcClientBinding.h"

#include <atomic>

#include "plot/base/EPlotError.h"

namespace {

std::unique_ptr<IOpcClientLibrary>& OwnedLibrary() {
  static std::unique_ptr<IOpcClientLibrary> library;
  return library;
}

// Read by any thread; written by Install while no OPC object exists.
std::atomic<IOpcClientLibrary*> g_library{nullptr};

/// The library with the entry, or the failure the wrappers raise.
IOpcClientLibrary& Entry(const char* name) {
  IOpcClientLibrary* library = g_library.load();
  if (library == nullptr) {
    throw EPlotError(QStringLiteral("Vivove OPC DLL Not Found."));
  }
  if (!library->HasEntry(QString::fromLatin1(name))) {
    throw EPlotError(QStringLiteral("Function \"%1\" not found in \"%2\".")
                         .arg(QString::fromLatin1(name), QString::fromLatin1(kOPCLibraryFileName)));
  }
  return *library;
}

/// Raises the error the last call left, when the library reports errors.
void CheckLastError(IOpcClientLibrary& library) {
  if (!library.HasEntry(QStringLiteral("GetLastCallErrorString"))) {
    return;
  }
  const QString text = library.GetLastCallErrorString();
  if (!text.isEmpty()) {
    throw EPlotError(text);
  }
}

template <typename F>
auto Call(const char* name, F&& call) {
  IOpcClientLibrary& library = Entry(name);
  if constexpr (std::is_void_v<decltype(call(library))>) {
    call(library);
    CheckLastError(library);
  } else {
    auto result = call(library);
    CheckLastError(library);
    return result;
  }
}

}  // namespace

std::unique_ptr<IOpcClientLibrary> OpcClientBinding::Install(std::unique_ptr<IOpcClientLibrary> library) {
  std::unique_ptr<IOpcClientLibrary> previous = std::move(OwnedLibrary());
  OwnedLibrary() = std::move(library);
  g_library.store(OwnedLibrary().get());
  return previous;
}

bool OPCLibraryMissing() { return g_library.load() == nullptr; }

int SignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
              const QString& groupName, int updateRate, bool startSuspended, std::uint16_t requestedType,
              std::shared_ptr<IiOPCSignalCallback> callback) {
  return Call("SignalAdd", [&](IOpcClientLibrary& l) {
    return l.SignalAdd(computerName, serverName, itemName, groupName, updateRate, startSuspended, requestedType,
                       std::move(callback));
  });
}

void SignalRemove(int handle) {
  Call("SignalRemove", [&](IOpcClientLibrary& l) { l.SignalRemove(handle); });
}

void SignalSuspend(int handle) {
  Call("SignalSuspend", [&](IOpcClientLibrary& l) { l.SignalSuspend(handle); });
}

void SignalResume(int handle) {
  Call("SignalResume", [&](IOpcClientLibrary& l) { l.SignalResume(handle); });
}

bool SignalGetUpdateSuspended(int handle) {
  return Call("SignalGetUpdateSuspended", [&](IOpcClientLibrary& l) { return l.SignalGetUpdateSuspended(handle); });
}

bool SignalGetActive(int handle) {
  return Call("SignalGetActive", [&](IOpcClientLibrary& l) { return l.SignalGetActive(handle); });
}

void SignalSendData(int handle, const QVariant& value) {
  Call("SignalSendData", [&](IOpcClientLibrary& l) { l.SignalSendData(handle, value); });
}

void SignalGetDataNow(int handle) {
  Call("SignalGetDataNow", [&](IOpcClientLibrary& l) { l.SignalGetDataNow(handle); });
}

QVariant SignalGetData(int handle) {
  return Call("SignalGetData", [&](IOpcClientLibrary& l) { return l.SignalGetData(handle); });
}

double SignalGetTimeStamp(int handle) {
  return Call("SignalGetTimeStamp", [&](IOpcClientLibrary& l) { return l.SignalGetTimeStamp(handle); });
}

std::uint16_t SignalGetQuality(int handle) {
  return Call("SignalGetQuality", [&](IOpcClientLibrary& l) { return l.SignalGetQuality(handle); });
}

int GroupAdd(const QString& name, const QString& computerName, const QString& serverName, int updateRate,
             std::shared_ptr<IiOPCGroupCallback> callback) {
  return Call("GroupAdd", [&](IOpcClientLibrary& l) {
    return l.GroupAdd(name, computerName, serverName, updateRate, std::move(callback));
  });
}

void GroupDelete(int handle) {
  Call("GroupDelete", [&](IOpcClientLibrary& l) { l.GroupDelete(handle); });
}

void GroupResume(int handle) {
  Call("GroupResume", [&](IOpcClientLibrary& l) { l.GroupResume(handle); });
}

void GroupSuspend(int handle) {
  Call("GroupSuspend", [&](IOpcClientLibrary& l) { l.GroupSuspend(handle); });
}

void GroupSetUpdateRate(int handle, int updateRate) {
  Call("GroupSetUpdateRate", [&](IOpcClientLibrary& l) { l.GroupSetUpdateRate(handle, updateRate); });
}

void CloseAllServerConnections() {
  Call("CloseAllServerConnections", [](IOpcClientLibrary& l) { l.CloseAllServerConnections(); });
}

int ServerConnectionGetCount() {
  return Call("ServerConnectionGetCount", [](IOpcClientLibrary& l) { return l.ServerConnectionGetCount(); });
}

QString ServerConnectionGetName(int index) {
  return Call("ServerConnectionGetName", [&](IOpcClientLibrary& l) { return l.ServerConnectionGetName(index); });
}

QString GetLastCallErrorString() { return Entry("GetLastCallErrorString").GetLastCallErrorString(); }

bool OPCManagerCreated() {
  IOpcClientLibrary* library = g_library.load();
  if (library == nullptr || !library->HasEntry(QStringLiteral("ManagerCreated"))) {
    return false;
  }
  const bool first = library->ManagerCreated();
  CheckLastError(*library);
  return first;
}

void OPCManagerDestroyed() {
  IOpcClientLibrary* library = g_library.load();
  if (library == nullptr || !library->HasEntry(QStringLiteral("ManagerDestroyed"))) {
    return;
  }
  library->ManagerDestroyed();
  CheckLastError(*library);
}
