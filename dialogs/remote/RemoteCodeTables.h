#pragma once

#include <array>
#include <cstdint>

#include <QString>
#include <QStringList>

/// The remote-control protocol's reference data: the command kinds, the
/// parameter selectors and their item texts in both languages. Plain data
/// and pure functions; any thread.

/// The fifteen parameter selectors, one enumerator per list of the form.
enum class RemoteSelector : std::uint8_t {
  cb1InOutSel = 0,
  cb1FactoryUserSel = 1,
  cb1InChannelSel = 2,
  cb1OutChannelSel = 3,
  cb1NullSel = 4,
  cb2InChSel = 5,
  cb2OutChSel = 6,
  cb2PresetSel = 7,
  cb2F00Sel = 8,
  cb2Volume = 9,
  cb2NullSel = 10,
  cb3IncDecSel = 11,
  cb3MuteSel = 12,
  cb3OnOffSel = 13,
  cb3NullSel = 14,
};

constexpr int kRemoteSelectorCount = 15;
constexpr int kRemoteKindCount = 13;
constexpr int kRemoteIdCount = 250;
/// Volume steps: -60.0 dB to +12.0 dB.
constexpr int kRemoteVolumeSteps = 401;

/// One command kind of the type list: its names, its code and the
/// selectors of parameters 1 to 3 (a null selector where it has none).
struct RemoteKind {
  const char* english;
  const char* chinese;  ///< UTF-8
  std::uint8_t code;
  std::array<RemoteSelector, 3> selectors;
};

namespace RemoteCodeTables {

const RemoteKind& Kind(int index);
/// The selector's name as the form names its list ("cb1InOutSel").
QString SelectorName(RemoteSelector selector);
/// The parameter place (1, 2 or 3) the selector sits in; the volume list
/// sits in place 2 and reaches over place 3.
int Place(RemoteSelector selector);
/// The selector's items in English or Chinese; the null selectors have none.
QStringList Items(RemoteSelector selector, bool chinese);
/// The type list's items.
QStringList KindNames(bool chinese);
/// Step 0-400 of the volume list: "-60.0dB" .. "- 9.9dB" .. "+0.0dB" .. "+12.0dB".
QString VolumeStepText(int step);

}  // namespace RemoteCodeTables
