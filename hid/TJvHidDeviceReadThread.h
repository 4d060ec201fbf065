#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/threads/EventFd.h"

class CancellableHandOver;
class QObject;
class TJvHidDevice;

/// The read thread of a checked-out device: waits with poll() on the
/// device's read file and a stop event, and hands every input report (and
/// every failure to start a read) to the GUI thread, waiting until the
/// device's handler has run there. Terminate cancels a hand-over it waits
/// on, so the GUI thread can stop it from anywhere, a handler included. The
/// thread ends by itself when the device has gone (end of file, hang-up or
/// ENODEV). Owned by its device; Start, Terminate and WaitFor on the GUI
/// thread.
class TJvHidDeviceReadThread {
public:
  /// Raises EControllerError: only a device makes its read thread.
  TJvHidDeviceReadThread();
  ~TJvHidDeviceReadThread();
  TJvHidDeviceReadThread(const TJvHidDeviceReadThread&) = delete;
  TJvHidDeviceReadThread& operator=(const TJvHidDeviceReadThread&) = delete;

  /// Asks the thread to end; a hand-over it waits on is cancelled.
  void Terminate();
  /// Waits until the thread has ended.
  void WaitFor();

  std::uint32_t FErr() const { return m_err; }
  std::uint32_t NumBytesRead() const { return m_numBytesRead; }

private:
  friend class TJvHidDevice;
  class Receiver;

  explicit TJvHidDeviceReadThread(TJvHidDevice& device);
  bool Start();
  void Execute();
  /// False when the device has gone: the loop ends.
  bool ReadOne(int& error);
  /// Runs `work` on the GUI thread and waits for it; false when cancelled.
  bool HandOver(void (TJvHidDeviceReadThread::*work)());
  void DoData();
  void DoDataError();
  /// Waits one sleep slice or until terminated.
  void Pause();

  TJvHidDevice* m_device = nullptr;
  std::uint32_t m_err = 0;
  std::uint32_t m_numBytesRead = 0;
  std::vector<std::uint8_t> m_report;
  EventFd m_stop;
  std::atomic<bool> m_terminated{false};
  /// Held while work is posted; guards: m_pending.
  std::shared_ptr<std::mutex> m_gate = std::make_shared<std::mutex>();
  std::shared_ptr<CancellableHandOver> m_pending;
  /// Deleted later on the GUI thread: the thread may end inside its work.
  Receiver* m_receiver = nullptr;
  std::thread m_thread;
};
