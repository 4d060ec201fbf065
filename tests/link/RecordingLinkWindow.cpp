#include "tests/link/RecordingLinkWindow.h"

#include <algorithm>

void RecordingLinkWindow::ShowProgressModal() {
  Record("ShowProgressModal");
  if (onModalProgress) {
    onModalProgress();
  }
}

void RecordingLinkWindow::SetProgressPosition(int value) {
  position = std::clamp(value, 0, max);
  Record("Position " + std::to_string(value));
}

void RecordingLinkWindow::SetProgressMax(int value) {
  max = value;
  Record("Max " + std::to_string(value));
}

void RecordingLinkWindow::SetRecallPresetRow(int row, const QByteArray& name) {
  if (row >= 0 && row < static_cast<int>(recallRows.size())) {
    recallRows[static_cast<std::size_t>(row)] = name;
  }
}

void RecordingLinkWindow::SetStorePresetRow(int row, const QByteArray& name) {
  if (row >= 0 && row < static_cast<int>(storeRows.size())) {
    storeRows[static_cast<std::size_t>(row)] = name;
  }
}

void RecordingLinkWindow::SetPanelLockPermissions(int inputs, int outputs, int presets) {
  Record("Permissions " + std::to_string(inputs) + " " + std::to_string(outputs) + " " + std::to_string(presets));
}

std::vector<std::string> RecordingLinkWindow::With(const std::string& prefix) const {
  std::vector<std::string> lines;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(lines),
               [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  return lines;
}

bool RecordingLinkWindow::Has(const std::string& line) const { return Count(line) > 0; }

int RecordingLinkWindow::Count(const std::string& line) const {
  return static_cast<int>(std::count(calls.begin(), calls.end(), line));
}
