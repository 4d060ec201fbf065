#include "dialogs/remote/RemoteCodeTables.h"

#include <cstdlib>

namespace RemoteCodeTables {

namespace {

using S = RemoteSelector;

constexpr RemoteKind kKinds[kRemoteKindCount] = {
    {"Gain Control", "增益控制", 0x41, {S::cb1InOutSel, S::cb2InChSel, S::cb3IncDecSel}},
    {"Mute Control", "静音控制", 0x42, {S::cb1InOutSel, S::cb2InChSel, S::cb3MuteSel}},
    {"Load Preset Control", "调用预设控制", 0x43, {S::cb1FactoryUserSel, S::cb2F00Sel, S::cb3NullSel}},
    {"Input Volume Control", "输入音量控制", 0x44, {S::cb1InChannelSel, S::cb2Volume, S::cb2Volume}},
    {"Output Volume Control", "输出音量控制", 0x45, {S::cb1OutChannelSel, S::cb2Volume, S::cb2Volume}},
    {"Get Now Gain", "读取增益码值", 0x48, {S::cb1InOutSel, S::cb2InChSel, S::cb3NullSel}},
    {"Get Mute", "读取静音码值", 0x49, {S::cb1InOutSel, S::cb2InChSel, S::cb3NullSel}},
    {"Get Now Preset", "读取预设码值", 0x4A, {S::cb1NullSel, S::cb2NullSel, S::cb3NullSel}},
    {"Get Now Level ", "读取电平值", 0x4D, {S::cb1InOutSel, S::cb2InChSel, S::cb3NullSel}},
    {"Matrix Control", "矩阵控制", 0x4E, {S::cb1OutChannelSel, S::cb2InChSel, S::cb3OnOffSel}},
    {"Get Matrix", "读取矩阵码值", 0x4F, {S::cb1OutChannelSel, S::cb2InChSel, S::cb3NullSel}},
    {"Volume Step Control", "音量增减控制", 0x54, {S::cb1InOutSel, S::cb2InChSel, S::cb3IncDecSel}},
    {"Get Full Matrix", "读取全矩阵码值", 0x61, {S::cb1NullSel, S::cb2NullSel, S::cb3NullSel}},
};

const char* const kSelectorNames[kRemoteSelectorCount] = {
    "cb1InOutSel", "cb1FactoryUserSel", "cb1InChannelSel", "cb1OutChannelSel", "cb1NullSel",
    "cb2InChSel",  "cb2OutChSel",       "cb2PresetSel",    "cb2F00Sel",        "cb2Volume",
    "cb2NullSel",  "cb3IncDecSel",      "cb3MuteSel",      "cb3OnOffSel",      "cb3NullSel"};

QStringList Numbered(const char* stem, int count) {
  QStringList items;
  for (int n = 1; n <= count; ++n) {
    items << QString::fromUtf8(stem) + QString::number(n);
  }
  return items;
}

QStringList Pair(bool chinese, const char* english0, const char* english1, const char* chinese0,
                 const char* chinese1) {
  return chinese ? QStringList{QString::fromUtf8(chinese0), QString::fromUtf8(chinese1)}
                 : QStringList{QString::fromLatin1(english0), QString::fromLatin1(english1)};
}

}  // namespace

const RemoteKind& Kind(int index) { return kKinds[index]; }

QString SelectorName(RemoteSelector selector) {
  return QString::fromLatin1(kSelectorNames[static_cast<int>(selector)]);
}

int Place(RemoteSelector selector) {
  const int index = static_cast<int>(selector);
  return index <= static_cast<int>(S::cb1NullSel) ? 1 : index <= static_cast<int>(S::cb2NullSel) ? 2 : 3;
}

QStringList Items(RemoteSelector selector, bool chinese) {
  switch (selector) {
    case S::cb1InOutSel:
      return Pair(chinese, "Input", "Output", "输入", "输出");
    case S::cb1FactoryUserSel:
      return Pair(chinese, "Factory", "User", "出厂预设", "使用者预设");
    case S::cb1InChannelSel:
    case S::cb2InChSel:
      return chinese ? Numbered("输入通道", 4) : Numbered("Input", 4);
    case S::cb1OutChannelSel:
    case S::cb2OutChSel:
      return chinese ? Numbered("输出通道", 8) : Numbered("Output", 8);
    case S::cb2PresetSel: {
      QStringList items;
      for (int n = 1; n <= 20; ++n) {
        items << QStringLiteral("U%1").arg(n, 2, 10, QLatin1Char('0'));
      }
      return items;
    }
    case S::cb2F00Sel:
      return {QStringLiteral("F00")};
    case S::cb2Volume: {
      QStringList items;
      for (int step = 0; step < kRemoteVolumeSteps; ++step) {
        items << VolumeStepText(step);
      }
      return items;
    }
    case S::cb3IncDecSel:
      return Pair(chinese, "Increase", "Decrease", "递增", "递減");
    case S::cb3MuteSel:
      return Pair(chinese, "UnMute", "Mute", "静音取消", "静音设置");
    case S::cb3OnOffSel:
      return Pair(chinese, "Off", "On", "关", "开");
    case S::cb1NullSel:
    case S::cb2NullSel:
    case S::cb3NullSel:
      break;
  }
  return {};
}

QStringList KindNames(bool chinese) {
  QStringList names;
  for (const RemoteKind& kind : kKinds) {
    names << (chinese ? QString::fromUtf8(kind.chinese) : QString::fromLatin1(kind.english));
  }
  return names;
}

QString VolumeStepText(int step) {
  // Tenths of a decibel: half-decibel steps up to -20 dB, tenths above.
  const int tenths = step <= 80 ? -600 + 5 * step : -200 + (step - 80);
  const int magnitude = std::abs(tenths);
  const QString value = QStringLiteral("%1.%2").arg(magnitude / 10).arg(magnitude % 10);
  return tenths < 0 ? QStringLiteral("-%1dB").arg(value, 4) : QStringLiteral("+%1dB").arg(value);
}

}  // namespace RemoteCodeTables
