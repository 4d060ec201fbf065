#include "plot/streaming/TiPlotPropertyRegistry.h"

#include <map>
#include <type_traits>

#include <QStringList>

#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/base/iPropertyText.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotToolBar.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

namespace {

template <typename E>
QStringList EnumNames();
template <>
QStringList EnumNames<TiPlotLineStyle>() {
  return {"iplsSolid", "iplsDash", "iplsDot", "iplsDashDot", "iplsDashDotDot"};
}
template <>
QStringList EnumNames<TiPlotMarkerStyle>() {
  return {"ipmsCircle",        "ipmsSquare",        "ipmsDiamond",      "ipmsCross",
          "ipmsPlus",          "ipmsTriangleUp",    "ipmsTriangleDown", "ipmsTriangleLeft",
          "ipmsTriangleRight", "ipmsVerticalLine", "ipmsHorizontalLine", "ipmsCharacter"};
}
template <>
QStringList EnumNames<TiPlotInterpolationStyle>() {
  return {"ipistStraightLine", "ipistCubicSpline",  "ipistPolynomial",
          "ipistRational",     "ipistDifferential", "ipistDifferentialTerminated"};
}
template <>
QStringList EnumNames<TiPlotDataStyle>() {
  return {"ipdsStandard", "ipdsCompact", "ipdsCompactInterval", "ipdsFullFeature"};
}
template <>
QStringList EnumNames<TiPlotHighLowStyle>() {
  return {"iphlsOpenClose", "iphlsCandleStick"};
}
template <>
QStringList EnumNames<TiPlotScaleType>() {
  return {"ipstLinear", "ipstLog10"};
}
template <>
QStringList EnumNames<TiPlotTrackingStyle>() {
  return {"iptsScaleMinMax",    "iptsScaleMax",           "iptsScaleMin",    "iptsScrollSmooth",
          "iptsScrollPage",     "iptsExpandCollapse",     "iptsExpandCollapseFast", "iptsExpandMinMax"};
}
template <>
QStringList EnumNames<TiPlotAxisMode>() {
  return {"ipamScroll", "ipamZoom"};
}
template <>
QStringList EnumNames<TiAlignmentHorizontal>() {
  return {"iahCenter", "iahLeft", "iahRight"};
}
template <>
QStringList EnumNames<TiPlotLimitStyle>() {
  return {"iplsLineX", "iplsLineY", "iplsBandX", "iplsBandY", "iplsPolyBandX", "iplsPolyBandY"};
}
template <>
QStringList EnumNames<TPenStyle>() {
  return {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame", "psAlternate"};
}
template <>
QStringList EnumNames<TBrushStyle>() {
  return {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
          "bsDiagCross", "bsPattern"};
}
template <>
QStringList EnumNames<TiPlotDataCursorStyle>() {
  return {"ipcsValueXY", "ipcsValueX", "ipcsValueY", "ipcsDeltaX", "ipcsDeltaY", "ipcsInverseDeltaX"};
}

template <typename V>
QString ToText(const V& value) {
  if constexpr (std::is_same_v<V, bool>) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
  } else if constexpr (std::is_same_v<V, QString>) {
    return EscapePropertyString(value);
  } else if constexpr (std::is_enum_v<V>) {
    return EnumNames<V>().value(static_cast<int>(value));
  } else if constexpr (std::is_floating_point_v<V>) {
    return FloatToText(value);
  } else {
    return QString::number(value);
  }
}

template <typename V>
bool FromText(const QString& text, V& value) {
  if constexpr (std::is_same_v<V, bool>) {
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
      value = true;
    } else if (text.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
      value = false;
    } else {
      return false;
    }
    return true;
  } else if constexpr (std::is_same_v<V, QString>) {
    value = UnescapePropertyString(text);
    return true;
  } else if constexpr (std::is_enum_v<V>) {
    const int index = EnumNames<V>().indexOf(text);
    if (index < 0) {
      return false;
    }
    value = static_cast<V>(index);
    return true;
  } else if constexpr (std::is_floating_point_v<V>) {
    return TextToFloat(text, value);
  } else if constexpr (std::is_unsigned_v<V>) {
    bool ok = false;
    value = static_cast<V>(text.toULongLong(&ok));
    return ok;
  } else {
    bool ok = false;
    value = static_cast<V>(text.toLongLong(&ok));
    return ok;
  }
}

/// A property read and written through a pair of member functions of T.
template <typename T, typename Getter, typename Setter>
TiPlotProperty Prop(const char* name, Getter get, Setter set) {
  using V = std::decay_t<decltype((std::declval<T&>().*get)())>;
  TiPlotProperty p;
  p.Name = QString::fromLatin1(name);
  p.Get = [get](TiPlotObject& o) { return ToText<V>((static_cast<T&>(o).*get)()); };
  p.Set = [set](TiPlotObject& o, const QString& text) {
    V value{};
    if (!FromText(text, value)) {
      return false;
    }
    (static_cast<T&>(o).*set)(value);
    return true;
  };
  return p;
}

template <typename T, typename Getter, typename Setter, typename V>
TiPlotProperty Prop(const char* name, Getter get, Setter set, const V& declaredDefault) {
  TiPlotProperty p = Prop<T>(name, get, set);
  p.HasDefault = true;
  using Stored = std::decay_t<decltype((std::declval<T&>().*get)())>;
  p.Default = ToText<Stored>(Stored(declaredDefault));
  return p;
}

using List = std::vector<TiPlotProperty>;

void AddObjectProperties(List& l) {
  l.push_back(Prop<TiPlotObject>("Name", &TiPlotObject::Name, &TiPlotObject::SetName));
  l.push_back(Prop<TiPlotObject>("Visible", &TiPlotObject::Visible, &TiPlotObject::SetVisible, true));
  l.push_back(Prop<TiPlotObject>("Enabled", &TiPlotObject::Enabled, &TiPlotObject::SetEnabled, true));
  l.push_back(Prop<TiPlotObject>("Layer", &TiPlotObject::Layer, &TiPlotObject::SetLayer, 100));
}

void AddLayoutProperties(List& l) {
  using L = TiPlotLayoutObject;
  l.push_back(Prop<L>("Horizontal", &L::Horizontal, &L::SetHorizontal));
  l.push_back(Prop<L>("ZOrder", &L::ZOrder, &L::SetZOrder));
  l.push_back(Prop<L>("StartPercent", &L::StartPercent, &L::SetStartPercent, 0.0));
  l.push_back(Prop<L>("StopPercent", &L::StopPercent, &L::SetStopPercent, 100.0));
}

List ToolBarProperties() {
  using T = TiPlotToolBar;
  List l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("ShowResumeButton", &T::ShowResumeButton, &T::SetShowResumeButton, true));
  l.push_back(Prop<T>("ShowPauseButton", &T::ShowPauseButton, &T::SetShowPauseButton, true));
  l.push_back(Prop<T>("ShowAxesModeButtons", &T::ShowAxesModeButtons, &T::SetShowAxesModeButtons, true));
  l.push_back(Prop<T>("ShowZoomInOutButtons", &T::ShowZoomInOutButtons, &T::SetShowZoomInOutButtons, true));
  l.push_back(Prop<T>("ShowSelectButton", &T::ShowSelectButton, &T::SetShowSelectButton, false));
  l.push_back(Prop<T>("ShowZoomBoxButton", &T::ShowZoomBoxButton, &T::SetShowZoomBoxButton, true));
  l.push_back(Prop<T>("ShowCursorButton", &T::ShowCursorButton, &T::SetShowCursorButton, true));
  l.push_back(Prop<T>("ShowEditButton", &T::ShowEditButton, &T::SetShowEditButton, true));
  l.push_back(Prop<T>("ShowCopyButton", &T::ShowCopyButton, &T::SetShowCopyButton, true));
  l.push_back(Prop<T>("ShowSaveButton", &T::ShowSaveButton, &T::SetShowSaveButton, true));
  l.push_back(Prop<T>("ShowPrintButton", &T::ShowPrintButton, &T::SetShowPrintButton, true));
  l.push_back(Prop<T>("ShowPreviewButton", &T::ShowPreviewButton, &T::SetShowPreviewButton, false));
  l.push_back(Prop<T>("ZoomInOutFactor", &T::ZoomInOutFactor, &T::SetZoomInOutFactor));
  l.push_back(Prop<T>("FlatBorder", &T::FlatBorder, &T::SetFlatBorder, false));
  l.push_back(Prop<T>("FlatButtons", &T::FlatButtons, &T::SetFlatButtons, false));
  l.push_back(Prop<T>("SmallButtons", &T::SmallButtons, &T::SetSmallButtons, false));
  return l;
}

List LegendProperties() {
  using T = TiPlotLegend;
  List l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("BackGroundColor", &T::BackGroundColor, &T::SetBackGroundColor, clGray));
  l.push_back(Prop<T>("BackGroundTransparent", &T::BackGroundTransparent, &T::SetBackGroundTransparent, true));
  l.push_back(Prop<T>("ShowColumnLine", &T::ShowColumnLine, &T::SetShowColumnLine, true));
  l.push_back(Prop<T>("ShowColumnMarker", &T::ShowColumnMarker, &T::SetShowColumnMarker, false));
  l.push_back(Prop<T>("ColumnTitlesVisible", &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible, false));
  l.push_back(Prop<T>("ShowColumnXAxisTitle", &T::ShowColumnXAxisTitle, &T::SetShowColumnXAxisTitle, false));
  l.push_back(Prop<T>("ShowColumnYAxisTitle", &T::ShowColumnYAxisTitle, &T::SetShowColumnYAxisTitle, false));
  l.push_back(Prop<T>("ShowColumnXValue", &T::ShowColumnXValue, &T::SetShowColumnXValue, false));
  l.push_back(Prop<T>("ShowColumnYValue", &T::ShowColumnYValue, &T::SetShowColumnYValue, false));
  l.push_back(Prop<T>("ShowColumnYMax", &T::ShowColumnYMax, &T::SetShowColumnYMax, false));
  l.push_back(Prop<T>("ShowColumnYMin", &T::ShowColumnYMin, &T::SetShowColumnYMin, false));
  l.push_back(Prop<T>("ShowColumnYMean", &T::ShowColumnYMean, &T::SetShowColumnYMean, false));
  l.push_back(Prop<T>("WrapColDesiredCount", &T::WrapColDesiredCount, &T::SetWrapColDesiredCount));
  l.push_back(Prop<T>("WrapRowDesiredCount", &T::WrapRowDesiredCount, &T::SetWrapRowDesiredCount));
  l.push_back(Prop<T>("LineColumnWidth", &T::LineColumnWidth, &T::SetLineColumnWidth, 13));
  l.push_back(Prop<T>("LineColumnHeight", &T::LineColumnHeight, &T::SetLineColumnHeight, 13));
  return l;
}

List LabelProperties() {
  using T = TiPlotLabel;
  List l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("Caption", &T::Caption, &T::SetCaption));
  l.push_back(Prop<T>("Alignment", &T::Alignment, &T::SetAlignment, TiAlignmentHorizontal::iahCenter));
  l.push_back(Prop<T>("MarginLeft", &T::MarginLeft, &T::SetMarginLeft));
  l.push_back(Prop<T>("MarginTop", &T::MarginTop, &T::SetMarginTop));
  l.push_back(Prop<T>("MarginRight", &T::MarginRight, &T::SetMarginRight));
  l.push_back(Prop<T>("MarginBottom", &T::MarginBottom, &T::SetMarginBottom));
  return l;
}

List AxisProperties() {
  using T = TiPlotAxis;
  List l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("Span", &T::Span, &T::SetSpan, 100.0));
  l.push_back(Prop<T>("Min", &T::Min, &T::SetMin, 0.0));
  l.push_back(Prop<T>("ReverseScale", &T::ReverseScale, &T::SetReverseScale, false));
  l.push_back(Prop<T>("Title", &T::Title, &T::SetTitle));
  l.push_back(Prop<T>("TitleShow", &T::TitleShow, &T::SetTitleShow, false));
  l.push_back(Prop<T>("TrackingEnabled", &T::TrackingEnabled, &T::SetTrackingEnabled, true));
  l.push_back(Prop<T>("TrackingStyle", &T::TrackingStyle, &T::SetTrackingStyle));
  l.push_back(Prop<T>("ScaleType", &T::ScaleType, &T::SetScaleType, TiPlotScaleType::ipstLinear));
  l.push_back(Prop<T>("Mode", &T::Mode, &T::SetMode, TiPlotAxisMode::ipamScroll));
  l.push_back(Prop<T>("DesiredIncrement", &T::DesiredIncrement, &T::SetDesiredIncrement, 0.0));
  l.push_back(Prop<T>("GridLinesVisible", &T::GridLinesVisible, &T::SetGridLinesVisible, true));
  return l;
}

void AddChannelProperties(List& l) {
  using T = TiPlotChannelCustom;
  AddObjectProperties(l);
  l.push_back(Prop<T>("TitleText", &T::TitleText, &T::SetTitleText));
  l.push_back(Prop<T>("VisibleInLegend", &T::VisibleInLegend, &T::SetVisibleInLegend, true));
  l.push_back(Prop<T>("ClipToAxes", &T::ClipToAxes, &T::SetClipToAxes, false));
  l.push_back(Prop<T>("RingBufferSize", &T::RingBufferSize, &T::SetRingBufferSize, 0));
  l.push_back(Prop<T>("TraceVisible", &T::TraceVisible, &T::SetTraceVisible, true));
  l.push_back(Prop<T>("Color", &T::Color, &T::SetColor));
  l.push_back(Prop<T>("TraceLineStyle", &T::TraceLineStyle, &T::SetTraceLineStyle, TiPlotLineStyle::iplsSolid));
  l.push_back(Prop<T>("TraceLineWidth", &T::TraceLineWidth, &T::SetTraceLineWidth, 1));
  l.push_back(Prop<T>("MarkersAllowIndividual", &T::MarkersAllowIndividual, &T::SetMarkersAllowIndividual, false));
  l.push_back(Prop<T>("MarkersTurnOffLimit", &T::MarkersTurnOffLimit, &T::SetMarkersTurnOffLimit));
  l.push_back(Prop<T>("MarkersVisible", &T::MarkersVisible, &T::SetMarkersVisible, false));
  l.push_back(Prop<T>("MarkersSize", &T::MarkersSize, &T::SetMarkersSize, 3));
  l.push_back(Prop<T>("MarkersStyle", &T::MarkersStyle, &T::SetMarkersStyle, TiPlotMarkerStyle::ipmsCircle));
  l.push_back(Prop<T>("MarkersPenColor", &T::MarkersPenColor, &T::SetMarkersPenColor, clRed));
  l.push_back(Prop<T>("MarkersPenWidth", &T::MarkersPenWidth, &T::SetMarkersPenWidth, 0));
  l.push_back(Prop<T>("MarkersBrushColor", &T::MarkersBrushColor, &T::SetMarkersBrushColor, clRed));
  l.push_back(Prop<T>("XAxisName", &T::XAxisName, &T::SetXAxisName));
  l.push_back(Prop<T>("YAxisName", &T::YAxisName, &T::SetYAxisName));
  l.push_back(Prop<T>("XAxisTrackingEnabled", &T::XAxisTrackingEnabled, &T::SetXAxisTrackingEnabled, true));
  l.push_back(Prop<T>("YAxisTrackingEnabled", &T::YAxisTrackingEnabled, &T::SetYAxisTrackingEnabled, true));
  l.push_back(Prop<T>("DataStyle", &T::DataStyle, &T::SetDataStyle));
}

void AddBarAndHighLowProperties(List& l) {
  using T = TiPlotChannel;
  l.push_back(Prop<T>("BarPenColor", &T::BarPenColor, &T::SetBarPenColor, clRed));
  l.push_back(Prop<T>("BarPenWidth", &T::BarPenWidth, &T::SetBarPenWidth, 0));
  l.push_back(Prop<T>("BarPenStyle", &T::BarPenStyle, &T::SetBarPenStyle, TPenStyle::psSolid));
  l.push_back(Prop<T>("BarBrushColor", &T::BarBrushColor, &T::SetBarBrushColor, clRed));
  l.push_back(Prop<T>("BarBrushStyle", &T::BarBrushStyle, &T::SetBarBrushStyle, TBrushStyle::bsSolid));
  l.push_back(Prop<T>("HighLowStyle", &T::HighLowStyle, &T::SetHighLowStyle, TiPlotHighLowStyle::iphlsOpenClose));
  l.push_back(Prop<T>("HighLowEnabled", &T::HighLowEnabled, &T::SetHighLowEnabled, false));
  // Created clAqua and clLime: always written, so that clBlue and clGreen
  // (their nominal defaults) are not dropped and read back as the created
  // colours.
  l.push_back(Prop<T>("HighLowBarColor", &T::HighLowBarColor, &T::SetHighLowBarColor));
  l.push_back(Prop<T>("HighLowBarWidth", &T::HighLowBarWidth, &T::SetHighLowBarWidth, 0.5));
  l.push_back(Prop<T>("HighLowOpenShow", &T::HighLowOpenShow, &T::SetHighLowOpenShow, true));
  l.push_back(Prop<T>("HighLowOpenColor", &T::HighLowOpenColor, &T::SetHighLowOpenColor));
  l.push_back(Prop<T>("HighLowOpenWidth", &T::HighLowOpenWidth, &T::SetHighLowOpenWidth, 1.0));
  l.push_back(Prop<T>("HighLowOpenHeight", &T::HighLowOpenHeight, &T::SetHighLowOpenHeight, 1.0));
  l.push_back(Prop<T>("HighLowCloseShow", &T::HighLowCloseShow, &T::SetHighLowCloseShow, true));
  l.push_back(Prop<T>("HighLowCloseColor", &T::HighLowCloseColor, &T::SetHighLowCloseColor, clRed));
  l.push_back(Prop<T>("HighLowCloseWidth", &T::HighLowCloseWidth, &T::SetHighLowCloseWidth, 1.0));
  l.push_back(Prop<T>("HighLowCloseHeight", &T::HighLowCloseHeight, &T::SetHighLowCloseHeight, 1.0));
  l.push_back(Prop<T>("HighLowShadowColor", &T::HighLowShadowColor, &T::SetHighLowShadowColor, clGray));
  l.push_back(Prop<T>("HighLowBullishColor", &T::HighLowBullishColor, &T::SetHighLowBullishColor, clWhite));
  l.push_back(Prop<T>("HighLowBearishColor", &T::HighLowBearishColor, &T::SetHighLowBearishColor, clGray));
}

List ChannelProperties() {
  using T = TiPlotChannel;
  List l;
  AddChannelProperties(l);
  l.push_back(Prop<T>("FastDrawEnabled", &T::FastDrawEnabled, &T::SetFastDrawEnabled, true));
  l.push_back(Prop<T>("AllowOutOfOrderXValues", &T::AllowOutOfOrderXValues, &T::SetAllowOutOfOrderXValues, true));
  l.push_back(Prop<T>("DrawOutOfOrderXValues", &T::DrawOutOfOrderXValues, &T::SetDrawOutOfOrderXValues, false));
  l.push_back(Prop<T>("InterpolationStyle", &T::InterpolationStyle, &T::SetInterpolationStyle,
                      TiPlotInterpolationStyle::ipistStraightLine));
  l.push_back(Prop<T>("FillEnabled", &T::FillEnabled, &T::SetFillEnabled, false));
  l.push_back(Prop<T>("DigitalEnabled", &T::DigitalEnabled, &T::SetDigitalEnabled, false));
  l.push_back(Prop<T>("BarEnabled", &T::BarEnabled, &T::SetBarEnabled, false));
  AddBarAndHighLowProperties(l);
  return l;
}

List XYChannelProperties() {
  List l;
  AddChannelProperties(l);
  return l;
}

List DataViewProperties() {
  using T = TiPlotDataView;
  List l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("BackgroundTransparent", &T::BackgroundTransparent, &T::SetBackgroundTransparent));
  l.push_back(Prop<T>("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor));
  l.push_back(Prop<T>("GridXAxisName", &T::GridXAxisName, &T::SetGridXAxisName));
  l.push_back(Prop<T>("GridYAxisName", &T::GridYAxisName, &T::SetGridYAxisName));
  return l;
}

List DataCursorProperties() {
  using T = TiPlotDataCursor;
  List l;
  AddObjectProperties(l);
  l.push_back(Prop<T>("ChannelName", &T::ChannelName, &T::SetChannelName));
  l.push_back(Prop<T>("Style", &T::Style, &T::SetStyle));
  l.push_back(Prop<T>("Pointer1Position", &T::Pointer1Position, &T::SetPointer1Position));
  l.push_back(Prop<T>("Pointer2Position", &T::Pointer2Position, &T::SetPointer2Position));
  return l;
}

List LimitProperties() {
  using T = TiPlotLimit;
  List l;
  AddObjectProperties(l);
  l.push_back(Prop<T>("Style", &T::Style, &T::SetStyle));
  l.push_back(Prop<T>("Color", &T::Color, &T::SetColor));
  l.push_back(Prop<T>("LineWidth", &T::LineWidth, &T::SetLineWidth));
  l.push_back(Prop<T>("LineStyle", &T::LineStyle, &T::SetLineStyle));
  l.push_back(Prop<T>("FillStyle", &T::FillStyle, &T::SetFillStyle));
  l.push_back(Prop<T>("XAxisName", &T::XAxisName, &T::SetXAxisName));
  l.push_back(Prop<T>("YAxisName", &T::YAxisName, &T::SetYAxisName));
  l.push_back(Prop<T>("Line1Position", &T::Line1Position, &T::SetLine1Position));
  l.push_back(Prop<T>("Line2Position", &T::Line2Position, &T::SetLine2Position));
  l.push_back(Prop<T>("UserCanMove", &T::UserCanMove, &T::SetUserCanMove));
  l.push_back(Prop<T>("ClipToAxes", &T::ClipToAxes, &T::SetClipToAxes));
  return l;
}

}  // namespace

const std::vector<TiPlotProperty>& TiPlotPropertyRegistry::PropertiesOf(const TiPlotObject& object) {
  using K = TiPlotObjectKind;
  static const std::map<K, List> tables{
      {K::ToolBar, ToolBarProperties()},        {K::Legend, LegendProperties()},
      {K::Label, LabelProperties()},            {K::XAxis, AxisProperties()},
      {K::YAxis, AxisProperties()},             {K::Channel, ChannelProperties()},
      {K::XYChannel, XYChannelProperties()},    {K::DataView, DataViewProperties()},
      {K::DataCursor, DataCursorProperties()},  {K::Limit, LimitProperties()},
  };
  static const List none;
  const auto it = tables.find(object.Kind());
  return it != tables.end() ? it->second : none;
}

const TiPlotProperty* TiPlotPropertyRegistry::Find(const TiPlotObject& object, const QString& name) {
  for (const TiPlotProperty& p : PropertiesOf(object)) {
    if (p.Name.compare(name, Qt::CaseInsensitive) == 0) {
      return &p;
    }
  }
  return nullptr;
}
