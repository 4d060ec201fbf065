#pragma once

#include <cstdint>
#include <memory>

#include <QString>
#include <QVariant>

#include "plot/opc/IOpcClientLibrary.h"

/// The process-wide binding to the OPC client library "dEVO2.dll". This
/// platform has no such library, so none is loaded and OPCLibraryMissing
/// answers True: OPC items never connect. A library can be put in place
/// through Install (before any OPC object exists, and removed only after
/// the last one is gone).
///
/// Every wrapper but the two manager ones raises EPlotError "Vivove OPC DLL
/// Not Found." without a library, `Function "<entry>" not found in
/// "dEVO2.dll".` when the library lacks the entry, and the library's own
/// error text when the call leaves one. Any thread may call the wrappers.
class OpcClientBinding {
public:
  /// Puts library in place (nullptr removes it); answers the previous one.
  static std::unique_ptr<IOpcClientLibrary> Install(std::unique_ptr<IOpcClientLibrary> library);
};

/// The file name the binding looks for.
inline constexpr const char* kOPCLibraryFileName = "dEVO2.dll";

bool OPCLibraryMissing();

int SignalAdd(const QString& computerName, const QString& serverName, const QString& itemName,
              const QString& groupName, int updateRate, bool startSuspended, std::uint16_t requestedType,
              std::shared_ptr<IiOPCSignalCallback> callback);
void SignalRemove(int handle);
void SignalSuspend(int handle);
void SignalResume(int handle);
bool SignalGetUpdateSuspended(int handle);
bool SignalGetActive(int handle);
void SignalSendData(int handle, const QVariant& value);
void SignalGetDataNow(int handle);
QVariant SignalGetData(int handle);
double SignalGetTimeStamp(int handle);
std::uint16_t SignalGetQuality(int handle);
int GroupAdd(const QString& name, const QString& computerName, const QString& serverName, int updateRate,
             std::shared_ptr<IiOPCGroupCallback> callback);
void GroupDelete(int handle);
void GroupResume(int handle);
void GroupSuspend(int handle);
void GroupSetUpdateRate(int handle, int updateRate);
void CloseAllServerConnections();
int ServerConnectionGetCount();
QString ServerConnectionGetName(int index);
QString GetLastCallErrorString();

/// "ManagerCreated" when the library and the entry exist (False otherwise);
/// raises only the library's error text.
bool OPCManagerCreated();
/// "ManagerDestroyed" when the library and the entry exist.
void OPCManagerDestroyed();
