#pragma once

/// Which multi-command exchange the next `CMD_ACK` continues.
enum ProcessState : int {
  PROCESS_IDLE = 0,
  PROCESS_RECALL_PRESET = 1,
  PROCESS_STORE_PRESET = 2,
  PROCESS_RELOAD_AFTER_FACTORY_RESET = 3,
  PROCESS_PRESET_UPLOAD = 4,
  PROCESS_PRESET_DOWNLOAD = 5,
  PROCESS_RELOAD_AFTER_LINK = 6,
  PROCESS_UNLOCK_PROMPT = 8,
  PROCESS_STORE_PRESET_END = 9,
  PROCESS_UNIT_FILE_DOWNLOAD = 10,
};

/// A bulk transfer whose acknowledgements only advance the progress window.
enum BulkMode : int {
  BULK_NONE = 0,
  BULK_SETTING_FILE = 12,
  BULK_UNIT_FILE_FIR = 14,
};
