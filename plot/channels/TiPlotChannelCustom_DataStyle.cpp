#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/channels/TiPlotDataCompactIntervalList.h"
#include "plot/channels/TiPlotDataCompactList.h"
#include "plot/channels/TiPlotDataFullList.h"
#include "plot/channels/TiPlotDataNullList.h"

namespace {

std::unique_ptr<TiPlotDataCustomList> NewDataList(TiPlotDataStyle style) {
  switch (style) {
    case TiPlotDataStyle::ipdsCompact:
      return std::make_unique<TiPlotDataCompactList>();
    case TiPlotDataStyle::ipdsCompactInterval:
      return std::make_unique<TiPlotDataCompactIntervalList>();
    case TiPlotDataStyle::ipdsFullFeature:
      return std::make_unique<TiPlotDataFullList>();
    case TiPlotDataStyle::ipdsStandard:
      break;
  }
  return std::make_unique<TiPlotDataNullList>();
}

}  // namespace

void TiPlotChannelCustom::SetDataStyle(TiPlotDataStyle value) {
  if (value == m_dataStyle) {
    return;
  }
  std::unique_ptr<TiPlotDataCustomList> list = NewDataList(value);
  list->Stored() = m_dataList->Stored();
  list->SetRingBufferSize(m_dataList->RingBufferSize());
  m_dataList = std::move(list);
  m_dataStyle = value;
  // A held point went with the old list.
  if (m_selectMouseDown) {
    m_selectMouseDown = false;
    m_selectHoldLost = true;
  }
  // The old draw range indexed points that are gone.
  m_startIndex = -1;
  m_stopIndex = -1;
  DoChange();
}

double TiPlotChannelCustom::Interval() const {
  const auto* list = dynamic_cast<const TiPlotDataCompactIntervalList*>(m_dataList.get());
  return list != nullptr ? list->Interval() : -1.0;
}

void TiPlotChannelCustom::SetInterval(double value) {
  if (auto* list = dynamic_cast<TiPlotDataCompactIntervalList*>(m_dataList.get())) {
    list->SetInterval(value);
    DoChange();
  }
}
