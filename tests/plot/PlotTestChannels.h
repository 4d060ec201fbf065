#pragma once

#include <bit>
#include <initializer_list>
#include <vector>

#include <QByteArray>

#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"

/// A point as a test compares it.
struct TestPoint {
  double X, Y;
  bool Null = false;
  bool Empty = false;
  friend bool operator==(const TestPoint&, const TestPoint&) = default;
};

inline TiPlotChannelCustom& ChannelOf(TiPlotComponent& plot, int index) {
  return *plot.Master().ChannelManager().ItemAs<TiPlotChannelCustom>(index);
}

/// Gives the plot exactly the channels titled, in order.
inline void UseChannels(TiPlotComponent& plot, std::initializer_list<const char*> titles) {
  TiPlotMasterManager& m = plot.Master();
  m.ChannelManager().Clear();
  for (const char* title : titles) {
    m.ChannelManager().ItemAs<TiPlotChannelCustom>(m.AddChannel())->SetTitleText(QString::fromLatin1(title));
  }
}

inline std::vector<TestPoint> PointsOf(const TiPlotChannelCustom& c) {
  std::vector<TestPoint> out;
  for (int i = 0; i < c.Count(); ++i) {
    out.push_back({c.GetX(i), c.GetY(i), c.GetNull(i), c.GetEmpty(i)});
  }
  return out;
}

/// Little-endian singles spelled out apart from the writer's own.
inline QByteArray Singles(std::initializer_list<float> values) {
  QByteArray out;
  for (const float v : values) {
    const quint32 bits = std::bit_cast<quint32>(v);
    for (int b = 0; b < 4; ++b) {
      out += char((bits >> (8 * b)) & 0xFF);
    }
  }
  return out;
}
