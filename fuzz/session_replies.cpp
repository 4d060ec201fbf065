// The unit session's reply dispatch: a session over stand-in transports and a
// recording window, with the preset exchanges attached, put into a state by
// the first bytes (link, exchange started, process state, bulk mode), then
// given every frame the rest of the input holds, of any code and length, in
// any order, as the link's framer cuts them.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <QByteArray>
#include <QCoreApplication>

#include "fuzz/support/FuzzGuiApplication.h"
#include "link/LPresetExchange.h"
#include "link/LUnitSession.h"
#include "link/ProcessState.h"
#include "link/ReplyFramer.h"
#include "protocol/IUnitHost.h"
#include "protocol/LCmd.h"
#include "protocol/LUnitControl.h"
#include "tests/link/RecordingPresetWindow.h"
#include "tests/link/support/FakeLinkTransport.h"

namespace {

constexpr std::size_t kSessionSetupBytes = 4;
constexpr int kSessionStates[] = {PROCESS_IDLE,
                                  PROCESS_RECALL_PRESET,
                                  PROCESS_STORE_PRESET,
                                  PROCESS_RELOAD_AFTER_FACTORY_RESET,
                                  PROCESS_PRESET_UPLOAD,
                                  PROCESS_PRESET_DOWNLOAD,
                                  PROCESS_RELOAD_AFTER_LINK,
                                  PROCESS_UNLOCK_PROMPT,
                                  PROCESS_STORE_PRESET_END,
                                  PROCESS_UNIT_FILE_DOWNLOAD};
constexpr int kSessionBulkModes[] = {BULK_NONE, BULK_SETTING_FILE, BULK_UNIT_FILE_FIR, BULK_NONE};

/// The unit model's host: commands go to the session like the main window's.
class SessionFuzzHost : public IUnitHost {
public:
  LUnitSession* session = nullptr;
  bool IsRefreshingControls() const override { return false; }
  void SendCommand(const LCmd& command, bool forceAppend, int mode) override {
    if (session) {
      session->SendCommand(command, forceAppend, mode);
    }
  }
  void MarkCurveOverlayDirty(int) override {}
  int GetUnitId() const override { return session ? session->GetUnitId() : 1; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSessionSetupBytes) {
    return 0;
  }
  EnsureFuzzGuiApplication();
  SessionFuzzHost host;
  LUnitControl unit(host);
  RecordingPresetWindow window;
  FakeLinkTransportFactory factory;
  LUnitSession session(unit, window, factory);
  host.session = &session;
  LPresetExchange exchange(session, unit, window, window);
  session.SetPresetExchange(&exchange);

  const std::uint8_t link = data[0] & 3;
  switch (link) {
    case 1:
      session.SetComPortName(QStringLiteral("/dev/fake0"));
      session.OpenSerialLink();
      break;
    case 2:
      session.OpenUsbLink();
      break;
    case 3:
      session.OpenNetworkLink();
      break;
    default:
      break;
  }
  const int argument = data[2];
  switch ((data[0] >> 2) & 7) {
    case 1:
      exchange.StorePreset(argument % LUnitControl::kPresetCount, QByteArray("fuzz preset   "));
      break;
    case 2:
      exchange.RecallPreset(argument % (LUnitControl::kPresetCount + 1));
      break;
    case 3:
      exchange.UploadAllPresets();
      break;
    case 4:
      session.StartFirRead(session.GetUnitId(), argument % (LUnitControl::kPresetCount + 1));
      break;
    default:
      break;
  }
  if ((data[0] & 0x20) != 0) {
    session.SetProcessState(kSessionStates[data[1] % std::size(kSessionStates)]);
  }
  if ((data[0] & 0x40) != 0) {
    session.SetBulkMode(kSessionBulkModes[(data[1] >> 4) & 3]);
  }
  const bool answersFrame = (data[3] & 1) != 0;

  ReplyFramer framer(link == 1 ? 5 : 9);
  std::vector<ReplyFramer::Frame> frames;
  for (const std::uint8_t byte : std::span(data + kSessionSetupBytes, size - kSessionSetupBytes)) {
    framer.Push(byte, frames);
    for (const ReplyFramer::Frame& frame : frames) {
      const std::uint8_t code = frame.size() > 5 ? frame[5] : 0;
      session.HandleReply(frame, ReplyOrigin{answersFrame, answersFrame ? code : std::uint8_t{0}});
    }
    frames.clear();
  }
  QCoreApplication::processEvents();
  session.SetPresetExchange(nullptr);
  return 0;
}
