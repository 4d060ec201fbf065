#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QTemporaryDir;
class LPresetExchange;
class LUnitControl;
class LUnitSession;
class LinkTransportFactory;
class SessionUnitHost;
class SoakWindow;
class UnitSim;

/// What a soak run is asked to do.
struct SoakOptions {
  std::chrono::seconds duration{3600};
  std::uint32_t seed = 1;
  /// Resident memory may grow by less than this from the end of the warm-up
  /// to the end of the run.
  std::size_t rssBoundKiB = 16 * 1024;
  /// Actions run before resident memory is first measured.
  int warmUpActions = 300;
};

/// What a soak run did and found.
struct SoakFigures {
  std::chrono::seconds elapsed{0};
  std::map<std::string, int> actions;  ///< by kind
  std::map<std::string, int> faults;   ///< injected, by kind
  int reconnects = 0;
  int linkBroken = 0;
  int messages = 0;
  int checks = 0;           ///< comparisons of the unit with the model on the way
  int checkMismatches = 0;
  int stuck = 0;            ///< exchanges that did not end within their bound
  bool finalImageEqual = false;
  bool finalFirEqual = false;
  std::size_t rssWarmKiB = 0;
  std::size_t rssEndKiB = 0;
  std::size_t rssPeakKiB = 0;

  bool Passed(const SoakOptions& options) const;
};

/// A long run of random edits, preset stores, FIR sends and link faults by
/// the editor's session, preset exchange and unit model against a simulated
/// unit on a pty, ending with a comparison of the unit's image and FIR area
/// with the model. Owns the simulator and the editor's link objects; runs
/// on the thread of the QCoreApplication it is given events by.
class SoakRun {
public:
  explicit SoakRun(const SoakOptions& options);
  ~SoakRun();
  SoakRun(const SoakRun&) = delete;
  SoakRun& operator=(const SoakRun&) = delete;

  /// Runs for the options' duration; false when the simulator cannot start.
  bool Run(SoakFigures& figures);
  /// Why Run returned false.
  const std::string& LastError() const { return m_error; }

private:
  void Connect(SoakFigures& figures);
  /// After a fault that ends the link: waits until the session sees the
  /// loss, then makes the link again and reads the unit.
  void Reconnect(SoakFigures& figures);
  void Edit(SoakFigures& figures);
  void StorePreset(SoakFigures& figures);
  void SendFir(SoakFigures& figures);
  /// Puts a random fault on the next command of `code`; true when it ends the link.
  bool InjectFault(std::uint8_t code, SoakFigures& figures);
  /// Waits until the session is idle, the link is up and the unit holds the model.
  bool Settle();
  /// Waits for `condition`; counts and reports an exchange that did not end.
  void Expect(const char* what, const std::function<bool()>& condition, std::chrono::milliseconds limit,
              SoakFigures& figures);
  bool Linked() const;
  /// The fault put on the action's command has met it. An edit that leaves
  /// the unit as it was holds at once, while its frame may still wait behind
  /// a late reply; the next edit of that parameter then replaces the frame
  /// unsent, and its fault would wait for a command that never comes.
  bool FaultTaken() const;
  bool ImageEqual() const;
  bool FirEqual() const;
  void Check(SoakFigures& figures);
  std::uint32_t Random(std::uint32_t bound);

  SoakOptions m_options;
  std::uint64_t m_state;
  std::string m_error;
  std::string m_lastFault = "none";
  std::unique_ptr<UnitSim> m_sim;
  std::unique_ptr<SessionUnitHost> m_host;
  std::unique_ptr<LUnitControl> m_unit;
  std::unique_ptr<SoakWindow> m_window;
  std::unique_ptr<LinkTransportFactory> m_factory;
  std::unique_ptr<LUnitSession> m_session;
  std::unique_ptr<LPresetExchange> m_exchange;
  std::unique_ptr<QTemporaryDir> m_folder;
};
