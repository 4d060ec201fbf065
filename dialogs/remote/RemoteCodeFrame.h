#pragma once

#include <array>

#include <QString>

#include "dialogs/remote/RemoteCodeTables.h"

/// The 9-byte remote-control code the reference dialog composes, kept as
/// its 18 upper-case hexadecimal digits: 7B7D, unit id, command code, three
/// parameters, 7D7B. Holds what the dialog's lists show (the selected item
/// of every list and the selector in front at each parameter place) and
/// changes it as the dialog's change handlers do: a field change rewrites
/// only that field's digits, keeping every other digit as it is. A plain
/// value class; any thread.
class RemoteCodeFrame {
public:
  /// Unit id 1, "Gain Control", every list at item 0: "7B7D01410000007D7B".
  RemoteCodeFrame();

  /// The type list's change: a fresh code for kind 0-12 (parameters 0, the
  /// id kept), every list with items back to item 0, the kind's selectors
  /// in front.
  void ChangeType(int kind);
  /// The id list's change: unit id index + 1 (1-250).
  void ChangeId(int index);
  /// A user's pick of item `index` in a parameter selector: its field (and,
  /// for the in/out and factory/user lists, the dependent fields first).
  void ChangeSelector(RemoteSelector selector, int index);

  int KindIndex() const { return m_kind; }
  int IdIndex() const { return m_id; }
  /// The selected item of a selector; -1 for the null selectors.
  int ItemIndex(RemoteSelector selector) const { return m_items[Slot(selector)]; }
  /// The selector in front at place 1-3.
  RemoteSelector Front(int place) const { return m_front[static_cast<std::size_t>(place - 1)]; }
  bool IsInFront(RemoteSelector selector) const;

  /// The code being composed, and around the field being replaced the
  /// digits before it and after it.
  QString CodeText;
  QString CodeHead;
  QString CodeTail;

private:
  static std::size_t Slot(RemoteSelector selector) { return static_cast<std::size_t>(selector); }
  /// Replaces `count` digits from the 0-based digit `first` with `digits`.
  void ReplaceField(int first, int count, const QString& digits);
  /// The change action of a selector: its item index into its field.
  void WriteField(RemoteSelector selector);
  void BringToFront(RemoteSelector selector);
  /// Sets a selector that has items to item `index` (no change action).
  void Select(RemoteSelector selector, int index);

  std::array<int, kRemoteSelectorCount> m_items{};
  std::array<RemoteSelector, 3> m_front{};
  int m_kind = 0;
  int m_id = 0;
};
