#include "dialogs/remote/RemoteCodeFrame.h"

#include <algorithm>

namespace {

using S = RemoteSelector;

/// 0-based position of the first digit of each field.
constexpr int kIdDigit = 4;
constexpr int kParameterDigit[3] = {8, 10, 12};

QString Hex2(int value) { return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper(); }

bool HasItems(RemoteSelector selector) { return !RemoteCodeTables::Items(selector, false).isEmpty(); }

}  // namespace

RemoteCodeFrame::RemoteCodeFrame() {
  for (int i = 0; i < kRemoteSelectorCount; ++i) {
    m_items[static_cast<std::size_t>(i)] = HasItems(static_cast<RemoteSelector>(i)) ? 0 : -1;
  }
  ChangeType(0);
}

bool RemoteCodeFrame::IsInFront(RemoteSelector selector) const {
  for (const RemoteSelector front : m_front) {
    if (front == selector) {
      return true;
    }
  }
  return false;
}

void RemoteCodeFrame::ChangeType(int kind) {
  if (kind < 0 || kind >= kRemoteKindCount) {
    return;
  }
  m_kind = kind;
  const RemoteKind& entry = RemoteCodeTables::Kind(kind);
  CodeText = QStringLiteral("7B7D") + Hex2(m_id + 1) + Hex2(entry.code) + QStringLiteral("0000007D7B");
  for (int i = 0; i < kRemoteSelectorCount; ++i) {
    Select(static_cast<RemoteSelector>(i), 0);
  }
  for (const RemoteSelector selector : entry.selectors) {
    BringToFront(selector);
  }
}

void RemoteCodeFrame::ChangeId(int index) {
  if (index < 0 || index >= kRemoteIdCount) {
    return;
  }
  m_id = index;
  ReplaceField(kIdDigit, 2, Hex2(index + 1));
}

void RemoteCodeFrame::ChangeSelector(RemoteSelector selector, int index) {
  if (!HasItems(selector) || index < 0 || index >= RemoteCodeTables::Items(selector, false).size()) {
    return;
  }
  if (selector == S::cb1InOutSel) {
    // The channel lists of place 2 and the step lists of place 3 start again.
    for (const RemoteSelector reset : {S::cb2InChSel, S::cb2OutChSel, S::cb3IncDecSel, S::cb3MuteSel}) {
      Select(reset, 0);
    }
    WriteField(S::cb3IncDecSel);
    WriteField(S::cb3MuteSel);
    BringToFront(index == 1 ? S::cb2OutChSel : S::cb2InChSel);
    WriteField(S::cb2InChSel);
  } else if (selector == S::cb1FactoryUserSel) {
    Select(S::cb2PresetSel, 0);
    BringToFront(index == 1 ? S::cb2PresetSel : S::cb2F00Sel);
    WriteField(S::cb2PresetSel);
  }
  Select(selector, index);
  WriteField(selector);
}

void RemoteCodeFrame::ReplaceField(int first, int count, const QString& digits) {
  CodeHead = CodeText.left(first);
  CodeTail = CodeText.mid(first + count);
  CodeText = CodeHead + digits + CodeTail;
}

void RemoteCodeFrame::WriteField(RemoteSelector selector) {
  const int index = std::max(ItemIndex(selector), 0);
  if (selector == S::cb2Volume) {
    // The step index, high byte first, over parameters 2 and 3.
    ReplaceField(kParameterDigit[1], 4, Hex2(index >> 8) + Hex2(index));
    return;
  }
  ReplaceField(kParameterDigit[RemoteCodeTables::Place(selector) - 1], 2, Hex2(index));
}

void RemoteCodeFrame::BringToFront(RemoteSelector selector) {
  m_front[static_cast<std::size_t>(RemoteCodeTables::Place(selector) - 1)] = selector;
  if (selector == S::cb2Volume) {
    m_front[2] = selector;
  }
}

void RemoteCodeFrame::Select(RemoteSelector selector, int index) {
  if (m_items[Slot(selector)] >= 0) {
    m_items[Slot(selector)] = index;
  }
}
