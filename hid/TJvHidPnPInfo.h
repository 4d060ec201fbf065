#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct HidInterface;

/// The Plug-and-Play information of one HID interface, read once when the
/// controller finds it: the per-plug name of its device (`DeviceID`, by which
/// the controller tells devices apart), the path every handle opens, and the
/// device's registry properties. A number that the system does not give is
/// 0, a text or list empty. Owned by its device; GUI thread.
class TJvHidPnPInfo {
public:
  explicit TJvHidPnPInfo(const HidInterface& info);

  const std::string& DeviceID() const { return m_deviceId; }
  const std::string& DevicePath() const { return m_devicePath; }

  std::uint32_t Capabilities() const { return Number("Capabilities"); }
  std::string ClassDescr() const { return Text("ClassDescr"); }
  std::string ClassGUID() const { return Text("ClassGUID"); }
  std::vector<std::string> CompatibleIDs() const { return List("CompatibleIDs"); }
  std::uint32_t ConfigFlags() const { return Number("ConfigFlags"); }
  std::string DeviceDescr() const { return Text("DeviceDescr"); }
  std::string Driver() const { return Text("Driver"); }
  std::string FriendlyName() const { return Text("FriendlyName"); }
  std::vector<std::string> HardwareID() const { return List("HardwareID"); }
  std::vector<std::string> LowerFilters() const { return List("LowerFilters"); }
  std::string Mfg() const { return Text("Mfg"); }
  std::vector<std::string> UpperFilters() const { return List("UpperFilters"); }
  std::string Service() const { return Text("Service"); }
  std::string Address() const { return Text("Address"); }
  std::uint32_t BusNumber() const { return Number("BusNumber"); }
  std::string BusType() const { return Text("BusType"); }
  std::string Characteristics() const { return Text("Characteristics"); }
  std::uint32_t DevType() const { return Number("DevType"); }
  std::string EnumeratorName() const { return Text("EnumeratorName"); }
  std::uint32_t Exclusive() const { return Number("Exclusive"); }
  std::uint32_t LegacyBusType() const { return Number("LegacyBusType"); }
  std::string LocationInfo() const { return Text("LocationInfo"); }
  std::string PhysDevObjName() const { return Text("PhysDevObjName"); }
  std::string SecuritySDS() const { return Text("SecuritySDS"); }
  std::uint32_t UINumber() const { return Number("UINumber"); }
  std::string UINumberFormat() const { return Text("UINumberFormat"); }

private:
  std::string Text(const char* name) const;
  std::uint32_t Number(const char* name) const;
  std::vector<std::string> List(const char* name) const;

  std::string m_deviceId;
  std::string m_devicePath;
  std::map<std::string, std::string> m_properties;
};
