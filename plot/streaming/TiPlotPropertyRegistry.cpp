#include "plot/streaming/TiPlotPropertyRegistry.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <type_traits>

#include <QStringList>

#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/annotations/TiPlotDataCursor.h"
#include "plot/annotations/TiPlotLimit.h"
#include "plot/base/iPropertyText.h"
#include "plot/channels/TiPlotChannel.h"
#include "plot/channels/TiXYPlotChannel.h"
#include "plot/opc/TiOPCGroupObject.h"
#include "plot/opc/TiOPCItem.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/objects/TiPlotDataView.h"
#include "plot/objects/TiPlotLabel.h"
#include "plot/objects/TiPlotLegend.h"
#include "plot/objects/TiPlotTable.h"
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
QStringList EnumNames<TiPlotDataFileFormat>() {
  return {"ipdffText", "ipdffCompactInterval"};
}
template <>
QStringList EnumNames<TiPlotDataFileColumnSeparator>() {
  return {"ipdfcsTab", "ipdfcsComma"};
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

template <>
QStringList EnumNames<TiPlotChannelDataPointMoveStyle>() {
  return {"ipcdpmsXandY", "ipcdpmsXOnly", "ipcdpmsYOnly"};
}

template <>
QStringList EnumNames<TiPlotAnnotationStyle>() {
  return {"ipasText",    "ipasLine",     "ipasRectangle", "ipasLineX",   "ipasLineY",   "ipasImage",
          "ipasTextRectangle", "ipasEllipse", "ipasTextBox", "ipasEllipse2", "ipasPolygon", "ipasRectangle2"};
}
template <>
QStringList EnumNames<TiPlotReferenceType>() {
  return {"iprtDataView", "iprtChannel", "iprtXChannelYDataView", "iprtXDataViewYChannel"};
}
template <>
QStringList EnumNames<TiPlotReferenceIndividual>() {
  return {"ipriDataView", "ipriChannel", "ipriAuto"};
}
template <>
QStringList EnumNames<TiRotationAngle>() {
  return {"ira000", "ira090", "ira180", "ira270"};
}
template <>
QStringList EnumNames<TiAlignmentVertical>() {
  return {"iavCenter", "iavTop", "iavBottom"};
}
template <>
QStringList EnumNames<TAlign>() {
  return {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"};
}
template <>
QStringList EnumNames<TiBevelStyle>() {
  return {"ibsNone", "ibsRaised", "ibsLowered"};
}
template <>
QStringList EnumNames<TiFillDirection>() {
  return {"ifdTopBottom",          "ifdBottomTop",          "ifdLeftRight",    "ifdRightLeft",
          "ifdTopLeftBottomRight", "ifdBottomRightTopLeft", "ifdBottomLeftTopRight", "ifdTopRightBottomLeft",
          "ifdRectangleOut",       "ifdRectangleIn",        "ifdCircleOut",    "ifdCircleIn"};
}
template <>
QStringList EnumNames<TPrinterOrientation>() {
  return {"poPortrait", "poLandscape"};
}
template <>
QStringList EnumNames<TiPlotFormStyle>() {
  return {"ipfsModal", "ipfsStayOnTop"};
}
template <>
QStringList EnumNames<TiPlotExportFormat>() {
  return {"ipefMetaFile", "ipefBitmap", "ipefJPEG"};
}
template <>
QStringList EnumNames<TiPlotImageFormatStyle>() {
  return {"ipifBitmap", "ipifEnhancedMetaFile", "ipifJPEG", "ipifPNG"};
}
template <>
QStringList EnumNames<TiOrientationSide>() {
  return {"iosBottomRight", "iosTopLeft"};
}
template <>
QStringList EnumNames<TiPlotGridLineStyle>() {
  return {"ipglsSolid", "ipglsDash", "ipglsDot"};
}
template <>
QStringList EnumNames<TiPlotAxesControlStyle>() {
  return {"ipacsXAxis", "ipacsYAxis", "ipacsBoth", "ipacsNone"};
}
template <>
QStringList EnumNames<TiPlotLegendChannelNameColorStyle>() {
  return {"iplcncsFont", "iplcncsChannelColor", "iplcncsXAxisFontColor", "iplcncsYAxisFontColor"};
}
template <>
QStringList EnumNames<TiPlotDigitalReferenceStyle>() {
  return {"ipdrScale", "ipdrPercent"};
}
template <>
QStringList EnumNames<TiPlotTextFormat>() {
  return {"iptfValue", "iptfExponent", "iptfPrefix", "iptfDateTime", "iptfPrice32nds", "iptfThousands"};
}
template <>
QStringList EnumNames<TiPrecisionStyle>() {
  return {"ipsSignificantDigits", "ipsFixedDecimalPoints"};
}
template <>
QStringList EnumNames<TiPlotTrackingIncrementStyle>() {
  return {"iptisMinimum", "iptisMajor", "iptisMinor"};
}
template <>
QStringList EnumNames<TiPlotAlignFirstStyle>() {
  return {"ipafsMin", "ipafsMax", "ipafsAuto", "ipafsNone"};
}
template <>
QStringList EnumNames<TiPlotCartesianStyle>() {
  return {"ipcsNone", "ipcsMaster", "ipcsChild"};
}
template <>
QStringList EnumNames<TiOPCXValueSourceStyle>() {
  return {"iopcxvsOPCServerTimeStamp", "iopcxvsSystemTimeStamp", "iopcxvsElapsedTime", "iopcxvsElapsedSeconds",
          "iopcxvsOPCItem"};
}
template <>
QStringList EnumNames<TFontPitch>() {
  return {"fpDefault", "fpVariable", "fpFixed"};
}
template <>
QStringList EnumNames<TFontStyle>() {
  return {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}

template <typename V>
struct IsSet : std::false_type {};
template <typename E>
struct IsSet<TSet<E>> : std::true_type {
  using Element = E;
};

template <typename V>
QString ToText(const V& value) {
  if constexpr (std::is_same_v<V, bool>) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
  } else if constexpr (std::is_same_v<V, QString>) {
    return EscapePropertyString(value);
  } else if constexpr (std::is_enum_v<V>) {
    return EnumNames<V>().value(static_cast<int>(value));
  } else if constexpr (IsSet<V>::value) {
    QStringList names;
    const QStringList all = EnumNames<typename IsSet<V>::Element>();
    for (int i = 0; i < all.size(); ++i) {
      if (value.Contains(static_cast<typename IsSet<V>::Element>(i))) {
        names << all[i];
      }
    }
    return QLatin1Char('[') + names.join(QLatin1Char(',')) + QLatin1Char(']');
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
  } else if constexpr (IsSet<V>::value) {
    const QString inner = text.trimmed();
    if (!inner.startsWith(QLatin1Char('[')) || !inner.endsWith(QLatin1Char(']'))) {
      return false;
    }
    V result;
    const QStringList all = EnumNames<typename IsSet<V>::Element>();
    for (const QString& name : inner.mid(1, inner.size() - 2).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
      const int index = all.indexOf(name.trimmed());
      if (index < 0) {
        return false;
      }
      result.Include(static_cast<typename IsSet<V>::Element>(index));
    }
    value = result;
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

/// The type kind and ordinal range of a value type.
template <typename V>
void DescribeKind(TiPlotProperty& p) {
  if constexpr (std::is_same_v<V, bool>) {
    p.Kind = TiPropertyKind::tkEnumeration;
    p.OrdinalMax = 1;
  } else if constexpr (std::is_same_v<V, QString>) {
    p.Kind = TiPropertyKind::tkString;
  } else if constexpr (std::is_enum_v<V>) {
    p.Kind = TiPropertyKind::tkEnumeration;
    p.OrdinalMax = EnumNames<V>().size() - 1;
  } else if constexpr (IsSet<V>::value) {
    p.Kind = TiPropertyKind::tkSet;
    p.OrdinalMax = (std::int64_t(1) << EnumNames<typename IsSet<V>::Element>().size()) - 1;
  } else if constexpr (std::is_floating_point_v<V>) {
    p.Kind = TiPropertyKind::tkFloat;
  } else if constexpr (std::is_same_v<V, QChar>) {
    p.Kind = TiPropertyKind::tkChar;
    p.OrdinalMax = 0xFFFF;
  } else {
    // Integers, and colours, which files hold as signed 32-bit values and
    // which are read back signed or unsigned.
    static_assert(std::is_integral_v<V> && sizeof(V) <= 4);
    p.Kind = TiPropertyKind::tkInteger;
    p.OrdinalMin = std::is_unsigned_v<V> ? std::int64_t(INT32_MIN) : std::int64_t(std::numeric_limits<V>::min());
    p.OrdinalMax = std::is_unsigned_v<V> ? std::int64_t(UINT32_MAX) : std::int64_t(std::numeric_limits<V>::max());
  }
}

template <typename V>
std::int64_t ToOrdinal(const V& value) {
  if constexpr (IsSet<V>::value) {
    return value.Bits();
  } else if constexpr (std::is_enum_v<V>) {
    return static_cast<int>(value);
  } else if constexpr (std::is_same_v<V, QChar>) {
    return value.unicode();
  } else if constexpr (std::is_unsigned_v<V> && !std::is_same_v<V, bool>) {
    return static_cast<std::int32_t>(value);
  } else {
    return value;
  }
}

template <typename V>
V FromOrdinal(std::int64_t ordinal) {
  if constexpr (IsSet<V>::value) {
    return V::FromBits(static_cast<std::uint32_t>(ordinal));
  } else if constexpr (std::is_same_v<V, bool>) {
    return ordinal != 0;
  } else if constexpr (std::is_same_v<V, QChar>) {
    return QChar(char16_t(ordinal));
  } else {
    return static_cast<V>(ordinal);
  }
}

/// A property of T read and written through a getter and a setter (member
/// functions, or callables taking T&).
template <typename T, typename Getter, typename Setter>
TiPlotProperty Prop(const char* name, Getter get, Setter set) {
  using V = std::decay_t<std::invoke_result_t<Getter, T&>>;
  TiPlotProperty p;
  p.Name = QString::fromLatin1(name);
  DescribeKind<V>(p);
  p.Get = [get](TObject& o) { return ToText<V>(std::invoke(get, static_cast<T&>(o))); };
  p.Set = [set](TObject& o, const QString& text) {
    V value{};
    if (!FromText(text, value)) {
      return false;
    }
    std::invoke(set, static_cast<T&>(o), value);
    return true;
  };
  if constexpr (!std::is_same_v<V, QString> && !std::is_floating_point_v<V>) {
    p.GetOrdinal = [get](TObject& o) { return ToOrdinal<V>(std::invoke(get, static_cast<T&>(o))); };
    p.SetOrdinal = [set](TObject& o, std::int64_t ordinal) {
      std::invoke(set, static_cast<T&>(o), FromOrdinal<V>(ordinal));
    };
  }
  return p;
}

template <typename T, typename Getter, typename Setter, typename V>
TiPlotProperty Prop(const char* name, Getter get, Setter set, const V& declaredDefault) {
  TiPlotProperty p = Prop<T>(name, get, set);
  p.HasDefault = true;
  using Stored = std::decay_t<std::invoke_result_t<Getter, T&>>;
  p.Default = ToText<Stored>(Stored(declaredDefault));
  return p;
}

/// A font of T, streamed through the font's own properties.
template <typename T, typename Getter>
TiPlotProperty FontProp(const char* name, Getter get) {
  TiPlotProperty p;
  p.Name = QString::fromLatin1(name);
  p.Kind = TiPropertyKind::tkClass;
  p.SubObject = [get](TObject& o) -> TObject* {
    if constexpr (std::is_pointer_v<std::invoke_result_t<Getter, T&>>) {
      return std::invoke(get, static_cast<T&>(o));
    } else {
      return &std::invoke(get, static_cast<T&>(o));
    }
  };
  p.SubProperties = &TiPlotPropertyRegistry::FontProperties();
  return p;
}

using PropertyList = std::vector<TiPlotProperty>;

/// A stored value held in a settings record of T that T reads and writes
/// whole (Get, Set): the record is read, changed and written back.
template <typename T, auto Get, auto Set, typename Member, typename... Declared>
TiPlotProperty RecordField(const QByteArray& name, Member member, const Declared&... declared) {
  using Record = std::decay_t<decltype((std::declval<T&>().*Get)())>;
  return Prop<T>(
      name.constData(), [member](T& o) { return (o.*Get)().*member; },
      [member](T& o, const auto& value) {
        Record record = (o.*Get)();
        record.*member = value;
        (o.*Set)(record);
      },
      declared...);
}

/// The four stored values of one grid line kind of a data view
/// ("GridLineXMajorCustom", ...Color, ...Width, ...Style).
template <auto Get, auto Set>
void AddGridLineProperties(PropertyList& l, const QByteArray& kind) {
  using T = TiPlotDataView;
  using G = TiPlotGridLineSettings;
  l.push_back(RecordField<T, Get, Set>(kind + "Custom", &G::Custom, false));
  l.push_back(RecordField<T, Get, Set>(kind + "Color", &G::Color, clGreen));
  l.push_back(RecordField<T, Get, Set>(kind + "Width", &G::Width, 0));
  l.push_back(RecordField<T, Get, Set>(kind + "Style", &G::Style, TiPlotGridLineStyle::ipglsSolid));
}

/// The value text settings of an axis's cursor or legend texts
/// ("CursorFormatStyle", ...DateTimeFormat, ...PrecisionStyle, ...).
template <auto Get, auto Set>
void AddTextSettingsProperties(PropertyList& l, const QByteArray& kind) {
  using T = TiPlotAxis;
  using S = TiPlotTextSettings;
  l.push_back(RecordField<T, Get, Set>(kind + "FormatStyle", &S::FormatStyle, TiPlotTextFormat::iptfValue));
  l.push_back(RecordField<T, Get, Set>(kind + "DateTimeFormat", &S::DateTimeFormat));
  l.push_back(RecordField<T, Get, Set>(kind + "PrecisionStyle", &S::PrecisionStyle,
                                       TiPrecisionStyle::ipsSignificantDigits));
  l.push_back(RecordField<T, Get, Set>(kind + "Precision", &S::Precision));
  l.push_back(RecordField<T, Get, Set>(kind + "MinLength", &S::MinLength));
  l.push_back(RecordField<T, Get, Set>(kind + "MinLengthAutoAdjust", &S::MinLengthAutoAdjust, false));
}


void AddObjectProperties(PropertyList& l) {
  l.push_back(Prop<TiPlotObject>("Name", &TiPlotObject::Name, &TiPlotObject::SetName));
  l.push_back(Prop<TiPlotObject>("Visible", &TiPlotObject::Visible, &TiPlotObject::SetVisible, true));
  l.push_back(Prop<TiPlotObject>("Enabled", &TiPlotObject::Enabled, &TiPlotObject::SetEnabled, true));
  l.push_back(Prop<TiPlotObject>("Layer", &TiPlotObject::Layer, &TiPlotObject::SetLayer, 100));
  l.push_back(Prop<TiPlotObject>("PopupEnabled", &TiPlotObject::PopupEnabled, &TiPlotObject::SetPopupEnabled, true));
  l.push_back(Prop<TiPlotObject>("CanFocus", &TiPlotObject::CanFocus, &TiPlotObject::SetCanFocus, true));
}

void AddLayoutProperties(PropertyList& l) {
  using L = TiPlotLayoutObject;
  l.push_back(Prop<L>("Horizontal", &L::Horizontal, &L::SetHorizontal));
  l.push_back(Prop<L>("ZOrder", &L::ZOrder, &L::SetZOrder));
  l.push_back(Prop<L>("StartPercent", &L::StartPercent, &L::SetStartPercent, 0.0));
  l.push_back(Prop<L>("StopPercent", &L::StopPercent, &L::SetStopPercent, 100.0));
}

PropertyList ToolBarProperties() {
  using T = TiPlotToolBar;
  PropertyList l;
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

PropertyList LegendProperties() {
  using T = TiPlotLegend;
  PropertyList l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("BackGroundColor", &T::BackGroundColor, &T::SetBackGroundColor, clGray));
  l.push_back(Prop<T>("BackGroundTransparent", &T::BackGroundTransparent, &T::SetBackGroundTransparent, true));
  l.push_back(Prop<T>("SelectedItemBackGroundColor", &T::SelectedItemBackGroundColor,
                      &T::SetSelectedItemBackGroundColor, clYellow));
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
  l.push_back(Prop<T>("ColumnSpacing", &T::ColumnSpacing, &T::SetColumnSpacing));
  l.push_back(Prop<T>("RowSpacing", &T::RowSpacing, &T::SetRowSpacing));
  l.push_back(Prop<T>("WrapColSpacingMin", &T::WrapColSpacingMin, &T::SetWrapColSpacingMin));
  l.push_back(Prop<T>("WrapColDesiredCount", &T::WrapColDesiredCount, &T::SetWrapColDesiredCount));
  l.push_back(Prop<T>("WrapRowDesiredCount", &T::WrapRowDesiredCount, &T::SetWrapRowDesiredCount));
  l.push_back(Prop<T>("WrapColAutoCountEnabled", &T::WrapColAutoCountEnabled, &T::SetWrapColAutoCountEnabled, false));
  l.push_back(Prop<T>("WrapRowAutoCountEnabled", &T::WrapRowAutoCountEnabled, &T::SetWrapRowAutoCountEnabled, true));
  l.push_back(Prop<T>("WrapColAutoCountMax", &T::WrapColAutoCountMax, &T::SetWrapColAutoCountMax));
  l.push_back(Prop<T>("WrapRowAutoCountMax", &T::WrapRowAutoCountMax, &T::SetWrapRowAutoCountMax));
  l.push_back(Prop<T>("WrapColSpacingAuto", &T::WrapColSpacingAuto, &T::SetWrapColSpacingAuto));
  l.push_back(Prop<T>("WrapRowSpacingAuto", &T::WrapRowSpacingAuto, &T::SetWrapRowSpacingAuto));
  l.push_back(Prop<T>("ChannelNameMaxWidth", &T::ChannelNameMaxWidth, &T::SetChannelNameMaxWidth));
  l.push_back(Prop<T>("MarginLeft", &T::MarginLeft, &T::SetMarginLeft));
  l.push_back(Prop<T>("MarginRight", &T::MarginRight, &T::SetMarginRight));
  l.push_back(Prop<T>("MarginTop", &T::MarginTop, &T::SetMarginTop));
  l.push_back(Prop<T>("MarginBottom", &T::MarginBottom, &T::SetMarginBottom));
  l.push_back(Prop<T>("ChannelNameColorStyle", &T::ChannelNameColorStyle, &T::SetChannelNameColorStyle,
                      TiPlotLegendChannelNameColorStyle::iplcncsFont));
  l.push_back(Prop<T>("LineColumnWidth", &T::LineColumnWidth, &T::SetLineColumnWidth, 13));
  l.push_back(Prop<T>("LineColumnHeight", &T::LineColumnHeight, &T::SetLineColumnHeight, 13));
  l.push_back(FontProp<T>("Font", &T::Font));
  l.push_back(FontProp<T>("SelectedItemFont", &T::SelectedItemFont));
  l.push_back(FontProp<T>("ColumnTitlesFont", &T::ColumnTitlesFont));
  return l;
}

PropertyList LabelProperties() {
  using T = TiPlotLabel;
  PropertyList l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("Caption", &T::Caption, &T::SetCaption));
  l.push_back(Prop<T>("Alignment", &T::Alignment, &T::SetAlignment, TiAlignmentHorizontal::iahCenter));
  l.push_back(Prop<T>("MarginLeft", &T::MarginLeft, &T::SetMarginLeft));
  l.push_back(Prop<T>("MarginTop", &T::MarginTop, &T::SetMarginTop));
  l.push_back(Prop<T>("MarginRight", &T::MarginRight, &T::SetMarginRight));
  l.push_back(Prop<T>("MarginBottom", &T::MarginBottom, &T::SetMarginBottom));
  l.push_back(FontProp<T>("Font", &T::Font));
  l.push_back(Prop<T>("ImageListIndex", &T::ImageListIndex, &T::SetImageListIndex, -1));
  l.push_back(Prop<T>("ImageIndex", &T::ImageIndex, &T::SetImageIndex, 0));
  return l;
}

PropertyList TableProperties() {
  using T = TiPlotTable;
  PropertyList l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("MarginLeft", &T::MarginLeft, &T::SetMarginLeft));
  l.push_back(Prop<T>("MarginRight", &T::MarginRight, &T::SetMarginRight));
  l.push_back(Prop<T>("MarginTop", &T::MarginTop, &T::SetMarginTop));
  l.push_back(Prop<T>("MarginBottom", &T::MarginBottom, &T::SetMarginBottom));
  l.push_back(Prop<T>("GridBackGroundColor", &T::GridBackGroundColor, &T::SetGridBackGroundColor, clGray));
  l.push_back(Prop<T>("GridBackGroundTransparent", &T::GridBackGroundTransparent, &T::SetGridBackGroundTransparent,
                      false));
  l.push_back(Prop<T>("GridLinesShow", &T::GridLinesShow, &T::SetGridLinesShow));
  l.push_back(Prop<T>("GridLinesColor", &T::GridLinesColor, &T::SetGridLinesColor));
  l.push_back(Prop<T>("ColumnTitlesVisible", &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible, false));
  l.push_back(Prop<T>("ColumnSpacing", &T::ColumnSpacing, &T::SetColumnSpacing));
  l.push_back(Prop<T>("RowSpacing", &T::RowSpacing, &T::SetRowSpacing));
  l.push_back(Prop<T>("RowsMax", &T::RowsMax, &T::SetRowsMax));
  l.push_back(FontProp<T>("DataFont", &T::DataFont));
  l.push_back(FontProp<T>("ColumnTitlesFont", &T::ColumnTitlesFont));
  return l;
}

PropertyList AxisProperties() {
  using T = TiPlotAxis;
  using S = TiPlotTextSettings;
  PropertyList l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("ForceStacking", &T::ForceStacking, &T::SetForceStacking, false));
  l.push_back(Prop<T>("Min", &T::Min, &T::SetMin, 0.0));
  l.push_back(Prop<T>("Span", &T::Span, &T::SetSpan, 100.0));
  l.push_back(Prop<T>("DesiredStart", &T::DesiredStart, &T::SetDesiredStart, 0.0));
  l.push_back(Prop<T>("DesiredIncrement", &T::DesiredIncrement, &T::SetDesiredIncrement, 0.0));
  l.push_back(Prop<T>("ReverseScale", &T::ReverseScale, &T::SetReverseScale, false));
  l.push_back(Prop<T>("InnerMargin", &T::InnerMargin, &T::SetInnerMargin, 5));
  l.push_back(Prop<T>("OuterMargin", &T::OuterMargin, &T::SetOuterMargin, 5));
  l.push_back(Prop<T>("Title", &T::Title, &T::SetTitle));
  l.push_back(Prop<T>("TitleMargin", &T::TitleMargin, &T::SetTitleMargin));
  l.push_back(FontProp<T>("TitleFont", &T::TitleFont));
  l.push_back(Prop<T>("TitleShow", &T::TitleShow, &T::SetTitleShow, false));
  l.push_back(Prop<T>("TitleRotated", &T::TitleRotated, &T::SetTitleRotated, false));
  l.push_back(Prop<T>("MajorLength", &T::MajorLength, &T::SetMajorLength, 7));
  l.push_back(Prop<T>("MinorLength", &T::MinorLength, &T::SetMinorLength, 3));
  l.push_back(Prop<T>("MinorCount", &T::MinorCount, &T::SetMinorCount, 1));
  l.push_back(Prop<T>("LabelsVisible", &T::LabelsVisible, &T::SetLabelsVisible, true));
  l.push_back(Prop<T>("LabelsMargin", &T::LabelsMargin, &T::SetLabelsMargin));
  l.push_back(FontProp<T>("LabelsFont", &T::LabelsFont));
  l.push_back(Prop<T>("LabelSeparation", &T::LabelSeparation, &T::SetLabelSeparation));
  l.push_back(Prop<T>("LabelsRotation", &T::LabelsRotation, &T::SetLabelsRotation));
  l.push_back(RecordField<T, &T::Labels, &T::SetLabels>("LabelsPrecision", &S::Precision, 3));
  l.push_back(RecordField<T, &T::Labels, &T::SetLabels>("LabelsPrecisionStyle", &S::PrecisionStyle,
                                                         TiPrecisionStyle::ipsSignificantDigits));
  l.push_back(RecordField<T, &T::Labels, &T::SetLabels>("LabelsFormatStyle", &S::FormatStyle,
                                                         TiPlotTextFormat::iptfValue));
  l.push_back(RecordField<T, &T::Labels, &T::SetLabels>("DateTimeFormat", &S::DateTimeFormat));
  l.push_back(RecordField<T, &T::Labels, &T::SetLabels>("LabelsMinLength", &S::MinLength));
  l.push_back(RecordField<T, &T::Labels, &T::SetLabels>("LabelsMinLengthAutoAdjust", &S::MinLengthAutoAdjust, false));
  l.push_back(Prop<T>("ScaleLineShow", &T::ScaleLineShow, &T::SetScaleLineShow));
  l.push_back(Prop<T>("ScaleLinesShow", &T::ScaleLinesShow, &T::SetScaleLinesShow, true));
  l.push_back(Prop<T>("ScaleLinesColor", &T::ScaleLinesColor, &T::SetScaleLinesColor, clWhite));
  l.push_back(Prop<T>("StackingEndsMargin", &T::StackingEndsMargin, &T::SetStackingEndsMargin));
  l.push_back(Prop<T>("ScaleType", &T::ScaleType, &T::SetScaleType, TiPlotScaleType::ipstLinear));
  l.push_back(Prop<T>("TrackingEnabled", &T::TrackingEnabled, &T::SetTrackingEnabled, true));
  l.push_back(Prop<T>("TrackingStyle", &T::TrackingStyle, &T::SetTrackingStyle));
  l.push_back(Prop<T>("TrackingIncrementStyle", &T::TrackingIncrementStyle, &T::SetTrackingIncrementStyle));
  l.push_back(Prop<T>("TrackingAlignFirstStyle", &T::TrackingAlignFirstStyle, &T::SetTrackingAlignFirstStyle,
                      TiPlotAlignFirstStyle::ipafsMin));
  l.push_back(Prop<T>("TrackingScrollCompressMax", &T::TrackingScrollCompressMax, &T::SetTrackingScrollCompressMax));
  l.push_back(Prop<T>("TrackingSpanMinimum", &T::TrackingSpanMinimum, &T::SetTrackingSpanMinimum));
  l.push_back(Prop<T>("TrackingMaxMargin", &T::TrackingMaxMargin, &T::SetTrackingMaxMargin));
  l.push_back(Prop<T>("TrackingMinMargin", &T::TrackingMinMargin, &T::SetTrackingMinMargin));
  l.push_back(Prop<T>("CursorUseDefaultFormat", &T::CursorUseDefaultFormat, &T::SetCursorUseDefaultFormat, true));
  AddTextSettingsProperties<&T::Cursor, &T::SetCursor>(l, "Cursor");
  l.push_back(Prop<T>("LegendUseDefaultFormat", &T::LegendUseDefaultFormat, &T::SetLegendUseDefaultFormat, true));
  AddTextSettingsProperties<&T::Legend, &T::SetLegend>(l, "Legend");
  l.push_back(Prop<T>("CursorScaler", &T::CursorScaler, &T::SetCursorScaler));
  l.push_back(Prop<T>("ScrollMinMaxEnabled", &T::ScrollMinMaxEnabled, &T::SetScrollMinMaxEnabled));
  l.push_back(Prop<T>("ScrollMax", &T::ScrollMax, &T::SetScrollMax));
  l.push_back(Prop<T>("ScrollMin", &T::ScrollMin, &T::SetScrollMin));
  l.push_back(Prop<T>("RestoreValuesOnResume", &T::RestoreValuesOnResume, &T::SetRestoreValuesOnResume));
  l.push_back(Prop<T>("MasterUIInput", &T::MasterUIInput, &T::SetMasterUIInput));
  l.push_back(Prop<T>("CartesianStyle", &T::CartesianStyle, &T::SetCartesianStyle));
  l.push_back(Prop<T>("CartesianChildRefAxisName", &T::CartesianChildRefAxisName, &T::SetCartesianChildRefAxisName));
  l.push_back(Prop<T>("CartesianChildRefValue", &T::CartesianChildRefValue, &T::SetCartesianChildRefValue));
  l.push_back(Prop<T>("AlignRefAxisName", &T::AlignRefAxisName, &T::SetAlignRefAxisName));
  l.push_back(Prop<T>("Mode", &T::Mode, &T::SetMode, TiPlotAxisMode::ipamScroll));
  l.push_back(Prop<T>("GridLinesVisible", &T::GridLinesVisible, &T::SetGridLinesVisible, true));
  return l;
}

void AddChannelProperties(PropertyList& l) {
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
  l.push_back(Prop<T>("MarkersPenUseChannelColor", &T::MarkersPenUseChannelColor, &T::SetMarkersPenUseChannelColor,
                      true));
  l.push_back(Prop<T>("MarkersBrushUseChannelColor", &T::MarkersBrushUseChannelColor,
                      &T::SetMarkersBrushUseChannelColor, true));
  l.push_back(Prop<T>("MarkersTurnOffLimit", &T::MarkersTurnOffLimit, &T::SetMarkersTurnOffLimit));
  l.push_back(Prop<T>("MarkersVisible", &T::MarkersVisible, &T::SetMarkersVisible, false));
  l.push_back(Prop<T>("MarkersSize", &T::MarkersSize, &T::SetMarkersSize, 3));
  l.push_back(Prop<T>("MarkersStyle", &T::MarkersStyle, &T::SetMarkersStyle, TiPlotMarkerStyle::ipmsCircle));
  l.push_back(Prop<T>("MarkersPenColor", &T::MarkersPenColor, &T::SetMarkersPenColor, clRed));
  l.push_back(Prop<T>("MarkersPenStyle", &T::MarkersPenStyle, &T::SetMarkersPenStyle, TPenStyle::psSolid));
  l.push_back(Prop<T>("MarkersPenWidth", &T::MarkersPenWidth, &T::SetMarkersPenWidth, 0));
  l.push_back(Prop<T>("MarkersBrushColor", &T::MarkersBrushColor, &T::SetMarkersBrushColor, clRed));
  l.push_back(Prop<T>("MarkersBrushStyle", &T::MarkersBrushStyle, &T::SetMarkersBrushStyle, TBrushStyle::bsSolid));
  l.push_back(Prop<T>("XAxisName", &T::XAxisName, &T::SetXAxisName));
  l.push_back(Prop<T>("YAxisName", &T::YAxisName, &T::SetYAxisName));
  l.push_back(Prop<T>("XAxisTrackingEnabled", &T::XAxisTrackingEnabled, &T::SetXAxisTrackingEnabled, true));
  l.push_back(Prop<T>("YAxisTrackingEnabled", &T::YAxisTrackingEnabled, &T::SetYAxisTrackingEnabled, true));
  l.push_back(Prop<T>("ShowDataPointHints", &T::ShowDataPointHints, &T::SetShowDataPointHints, false));
  l.push_back(Prop<T>("UserCanMoveDataPoints", &T::UserCanMoveDataPoints, &T::SetUserCanMoveDataPoints, false));
  l.push_back(Prop<T>("UserCanMoveDataPointsStyle", &T::UserCanMoveDataPointsStyle, &T::SetUserCanMoveDataPointsStyle,
                      TiPlotChannelDataPointMoveStyle::ipcdpmsXandY));
  l.push_back(FontProp<T>("MarkersFont", &T::MarkersFont));
  l.push_back(Prop<T>("LogFileName", &T::LogFileName, &T::SetLogFileName, QString()));
  l.push_back(Prop<T>("LogBufferSize", &T::LogBufferSize, &T::SetLogBufferSize, 0));
  l.push_back(Prop<T>("DataStyle", &T::DataStyle, &T::SetDataStyle));
  // OPC binding: the values live in the channel's two OPC items.
  l.push_back(Prop<T>("OPCComputerName", &T::OPCComputerName, &T::SetOPCComputerName, QStringLiteral("Local")));
  l.push_back(Prop<T>("OPCServerName", &T::OPCServerName, &T::SetOPCServerName, QString()));
  l.push_back(Prop<T>("OPCItemName", &T::OPCItemName, &T::SetOPCItemName, QString()));
  l.push_back(Prop<T>("OPCItem2Name", &T::OPCItem2Name, &T::SetOPCItem2Name, QString()));
  l.push_back(Prop<T>("OPCUpdateRate", &T::OPCUpdateRate, &T::SetOPCUpdateRate, 500));
  l.push_back(Prop<T>("OPCScalar", &T::OPCScalar, &T::SetOPCScalar, 0.0));
  l.push_back(Prop<T>("OPCOffset", &T::OPCOffset, &T::SetOPCOffset, 0.0));
  l.push_back(Prop<T>("OPCScalar2", &T::OPCScalar2, &T::SetOPCScalar2, 0.0));
  l.push_back(Prop<T>("OPCOffset2", &T::OPCOffset2, &T::SetOPCOffset2, 0.0));
  l.push_back(Prop<T>("OPCAutoConnect", &T::OPCAutoConnect, &T::SetOPCAutoConnect, true));
}

void AddBarAndHighLowProperties(PropertyList& l) {
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

PropertyList ChannelProperties() {
  using T = TiPlotChannel;
  PropertyList l;
  AddChannelProperties(l);
  l.push_back(Prop<T>("FastDrawEnabled", &T::FastDrawEnabled, &T::SetFastDrawEnabled, true));
  l.push_back(Prop<T>("AllowOutOfOrderXValues", &T::AllowOutOfOrderXValues, &T::SetAllowOutOfOrderXValues, true));
  l.push_back(Prop<T>("DrawOutOfOrderXValues", &T::DrawOutOfOrderXValues, &T::SetDrawOutOfOrderXValues, false));
  l.push_back(Prop<T>("ResetStartTimeOnFirstDataPoint", &T::ResetStartTimeOnFirstDataPoint,
                      &T::SetResetStartTimeOnFirstDataPoint, false));
  l.push_back(Prop<T>("InterpolationStyle", &T::InterpolationStyle, &T::SetInterpolationStyle,
                      TiPlotInterpolationStyle::ipistStraightLine));
  l.push_back(Prop<T>("FillEnabled", &T::FillEnabled, &T::SetFillEnabled, false));
  l.push_back(Prop<T>("FillReference", &T::FillReference, &T::SetFillReference));
  l.push_back(Prop<T>("FillStyle", &T::FillStyle, &T::SetFillStyle, TBrushStyle::bsSolid));
  l.push_back(Prop<T>("FillColor", &T::FillColor, &T::SetFillColor, 0));
  l.push_back(Prop<T>("FillUseChannelColor", &T::FillUseChannelColor, &T::SetFillUseChannelColor, true));
  l.push_back(Prop<T>("DigitalEnabled", &T::DigitalEnabled, &T::SetDigitalEnabled, false));
  l.push_back(Prop<T>("DigitalReferenceStyle", &T::DigitalReferenceStyle, &T::SetDigitalReferenceStyle,
                      TiPlotDigitalReferenceStyle::ipdrScale));
  l.push_back(Prop<T>("DigitalReferenceLow", &T::DigitalReferenceLow, &T::SetDigitalReferenceLow));
  l.push_back(Prop<T>("DigitalReferenceHigh", &T::DigitalReferenceHigh, &T::SetDigitalReferenceHigh));
  l.push_back(Prop<T>("BarEnabled", &T::BarEnabled, &T::SetBarEnabled, false));
  l.push_back(Prop<T>("BarPenUseChannelColor", &T::BarPenUseChannelColor, &T::SetBarPenUseChannelColor, true));
  l.push_back(Prop<T>("BarBrushUseChannelColor", &T::BarBrushUseChannelColor, &T::SetBarBrushUseChannelColor, true));
  l.push_back(Prop<T>("BarReference", &T::BarReference, &T::SetBarReference));
  l.push_back(Prop<T>("BarWidth", &T::BarWidth, &T::SetBarWidth));
  AddBarAndHighLowProperties(l);
  // OPC binding of the time-series channel.
  l.push_back(Prop<T>("OPCGroupName", &T::OPCGroupName, &T::SetOPCGroupName, QString()));
  l.push_back(Prop<T>("OPCXValueSource", &T::OPCXValueSource, &T::SetOPCXValueSource,
                      TiOPCXValueSourceStyle::iopcxvsOPCServerTimeStamp));
  return l;
}

PropertyList XYChannelProperties() {
  PropertyList l;
  AddChannelProperties(l);
  return l;
}

PropertyList DataViewProperties() {
  using T = TiPlotDataView;
  PropertyList l;
  AddObjectProperties(l);
  AddLayoutProperties(l);
  l.push_back(Prop<T>("BackgroundTransparent", &T::BackgroundTransparent, &T::SetBackgroundTransparent));
  l.push_back(Prop<T>("BackgroundColor", &T::BackgroundColor, &T::SetBackgroundColor));
  l.push_back(Prop<T>("GridXAxisName", &T::GridXAxisName, &T::SetGridXAxisName));
  l.push_back(Prop<T>("GridYAxisName", &T::GridYAxisName, &T::SetGridYAxisName));
  l.push_back(Prop<T>("GridShow", &T::GridShow, &T::SetGridShow, true));
  l.push_back(Prop<T>("GridLineColor", &T::GridLineColor, &T::SetGridLineColor, clGreen));
  l.push_back(Prop<T>("GridLineShowLeft", &T::GridLineShowLeft, &T::SetGridLineShowLeft, true));
  l.push_back(Prop<T>("GridLineShowRight", &T::GridLineShowRight, &T::SetGridLineShowRight, true));
  l.push_back(Prop<T>("GridLineShowTop", &T::GridLineShowTop, &T::SetGridLineShowTop, true));
  l.push_back(Prop<T>("GridLineShowBottom", &T::GridLineShowBottom, &T::SetGridLineShowBottom, true));
  l.push_back(Prop<T>("GridLineShowXMajors", &T::GridLineShowXMajors, &T::SetGridLineShowXMajors, true));
  l.push_back(Prop<T>("GridLineShowXMinors", &T::GridLineShowXMinors, &T::SetGridLineShowXMinors, false));
  l.push_back(Prop<T>("GridLineShowYMajors", &T::GridLineShowYMajors, &T::SetGridLineShowYMajors, true));
  l.push_back(Prop<T>("GridLineShowYMinors", &T::GridLineShowYMinors, &T::SetGridLineShowYMinors, false));
  l.push_back(Prop<T>("GridLineMajorStyle", &T::GridLineMajorStyle, &T::SetGridLineMajorStyle,
                      TiPlotGridLineStyle::ipglsSolid));
  l.push_back(Prop<T>("GridLineMinorStyle", &T::GridLineMinorStyle, &T::SetGridLineMinorStyle,
                      TiPlotGridLineStyle::ipglsSolid));
  AddGridLineProperties<&T::GridLineXMajor, &T::SetGridLineXMajor>(l, "GridLineXMajor");
  AddGridLineProperties<&T::GridLineXMinor, &T::SetGridLineXMinor>(l, "GridLineXMinor");
  AddGridLineProperties<&T::GridLineYMajor, &T::SetGridLineYMajor>(l, "GridLineYMajor");
  AddGridLineProperties<&T::GridLineYMinor, &T::SetGridLineYMinor>(l, "GridLineYMinor");
  l.push_back(Prop<T>("AxesControlEnabled", &T::AxesControlEnabled, &T::SetAxesControlEnabled));
  l.push_back(Prop<T>("AxesControlMouseStyle", &T::AxesControlMouseStyle, &T::SetAxesControlMouseStyle));
  l.push_back(Prop<T>("AxesControlWheelStyle", &T::AxesControlWheelStyle, &T::SetAxesControlWheelStyle));
  l.push_back(Prop<T>("AxesControlAllowInSelectMode", &T::AxesControlAllowInSelectMode,
                      &T::SetAxesControlAllowInSelectMode, false));
  return l;
}

PropertyList DataCursorProperties() {
  using T = TiPlotDataCursor;
  PropertyList l;
  AddObjectProperties(l);
  l.push_back(Prop<T>("ChannelName", &T::ChannelName, &T::SetChannelName));
  l.push_back(Prop<T>("ChannelAllowAll", &T::ChannelAllowAll, &T::SetChannelAllowAll));
  l.push_back(Prop<T>("ChannelShowAllInLegend", &T::ChannelShowAllInLegend, &T::SetChannelShowAllInLegend));
  l.push_back(Prop<T>("Style", &T::Style, &T::SetStyle));
  l.push_back(FontProp<T>("Font", &T::Font));
  l.push_back(Prop<T>("Color", &T::Color, &T::SetColor));
  l.push_back(Prop<T>("UseChannelColor", &T::UseChannelColor, &T::SetUseChannelColor));
  l.push_back(Prop<T>("HintShow", &T::HintShow, &T::SetHintShow));
  l.push_back(Prop<T>("HintHideOnRelease", &T::HintHideOnRelease, &T::SetHintHideOnRelease));
  l.push_back(Prop<T>("HintOrientationSide", &T::HintOrientationSide, &T::SetHintOrientationSide));
  l.push_back(Prop<T>("HintPosition", &T::HintPosition, &T::SetHintPosition));
  l.push_back(Prop<T>("Pointer1Position", &T::Pointer1Position, &T::SetPointer1Position));
  l.push_back(Prop<T>("Pointer2Position", &T::Pointer2Position, &T::SetPointer2Position));
  l.push_back(Prop<T>("PointerPenWidth", &T::PointerPenWidth, &T::SetPointerPenWidth));
  l.push_back(Prop<T>("MenuUserCanChangeOptions", &T::MenuUserCanChangeOptions, &T::SetMenuUserCanChangeOptions,
                      true));
  l.push_back(Prop<T>("SnapToDataPoint", &T::SnapToDataPoint, &T::SetSnapToDataPoint, false));
  l.push_back(Prop<T>("UseCachedInterpolatedData", &T::UseCachedInterpolatedData, &T::SetUseCachedInterpolatedData,
                      false));
  l.push_back(Prop<T>("MenuItemVisibleValueXY", &T::MenuItemVisibleValueXY, &T::SetMenuItemVisibleValueXY));
  l.push_back(Prop<T>("MenuItemVisibleValueX", &T::MenuItemVisibleValueX, &T::SetMenuItemVisibleValueX));
  l.push_back(Prop<T>("MenuItemVisibleValueY", &T::MenuItemVisibleValueY, &T::SetMenuItemVisibleValueY));
  l.push_back(Prop<T>("MenuItemVisibleDeltaX", &T::MenuItemVisibleDeltaX, &T::SetMenuItemVisibleDeltaX));
  l.push_back(Prop<T>("MenuItemVisibleDeltaY", &T::MenuItemVisibleDeltaY, &T::SetMenuItemVisibleDeltaY));
  l.push_back(Prop<T>("MenuItemVisibleInverseDeltaX", &T::MenuItemVisibleInverseDeltaX,
                      &T::SetMenuItemVisibleInverseDeltaX));
  l.push_back(Prop<T>("MenuItemCaptionValueXY", &T::MenuItemCaptionValueXY, &T::SetMenuItemCaptionValueXY));
  l.push_back(Prop<T>("MenuItemCaptionValueX", &T::MenuItemCaptionValueX, &T::SetMenuItemCaptionValueX));
  l.push_back(Prop<T>("MenuItemCaptionValueY", &T::MenuItemCaptionValueY, &T::SetMenuItemCaptionValueY));
  l.push_back(Prop<T>("MenuItemCaptionDeltaX", &T::MenuItemCaptionDeltaX, &T::SetMenuItemCaptionDeltaX));
  l.push_back(Prop<T>("MenuItemCaptionDeltaY", &T::MenuItemCaptionDeltaY, &T::SetMenuItemCaptionDeltaY));
  l.push_back(Prop<T>("MenuItemCaptionInverseDeltaX", &T::MenuItemCaptionInverseDeltaX,
                      &T::SetMenuItemCaptionInverseDeltaX));
  return l;
}

PropertyList LimitProperties() {
  using T = TiPlotLimit;
  PropertyList l;
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


PropertyList AnnotationProperties() {
  using T = TiPlotAnnotation;
  using R = TiPlotReferenceIndividual;
  PropertyList l;
  AddObjectProperties(l);
  l.push_back(Prop<T>("Style", &T::Style, &T::SetStyle, TiPlotAnnotationStyle::ipasText));
  l.push_back(Prop<T>("Reference", &T::Reference, &T::SetReference, TiPlotReferenceType::iprtDataView));
  l.push_back(Prop<T>("ReferencePositionX", &T::ReferencePositionX, &T::SetReferencePositionX, R::ipriAuto));
  l.push_back(Prop<T>("ReferencePositionY", &T::ReferencePositionY, &T::SetReferencePositionY, R::ipriAuto));
  l.push_back(Prop<T>("ReferenceSizeX", &T::ReferenceSizeX, &T::SetReferenceSizeX, R::ipriAuto));
  l.push_back(Prop<T>("ReferenceSizeY", &T::ReferenceSizeY, &T::SetReferenceSizeY, R::ipriAuto));
  l.push_back(Prop<T>("X", &T::X, &T::SetX));
  l.push_back(Prop<T>("Y", &T::Y, &T::SetY));
  l.push_back(Prop<T>("X2", &T::X2, &T::SetX2));
  l.push_back(Prop<T>("Y2", &T::Y2, &T::SetY2));
  l.push_back(Prop<T>("Width", &T::Width, &T::SetWidth));
  l.push_back(Prop<T>("Height", &T::Height, &T::SetHeight));
  l.push_back(Prop<T>("PenColor", &T::PenColor, &T::SetPenColor, clWhite));
  l.push_back(Prop<T>("PenStyle", &T::PenStyle, &T::SetPenStyle, TPenStyle::psSolid));
  l.push_back(Prop<T>("PenWidth", &T::PenWidth, &T::SetPenWidth, 1));
  l.push_back(Prop<T>("BrushColor", &T::BrushColor, &T::SetBrushColor, clWhite));
  l.push_back(Prop<T>("BrushStyle", &T::BrushStyle, &T::SetBrushStyle, TBrushStyle::bsSolid));
  l.push_back(Prop<T>("Text", &T::Text, &T::SetText));
  l.push_back(Prop<T>("TextRotation", &T::TextRotation, &T::SetTextRotation, TiRotationAngle::ira000));
  l.push_back(Prop<T>("TextHorzAlignment", &T::TextHorzAlignment, &T::SetTextHorzAlignment,
                      TiAlignmentHorizontal::iahCenter));
  l.push_back(Prop<T>("TextVertAlignment", &T::TextVertAlignment, &T::SetTextVertAlignment,
                      TiAlignmentVertical::iavCenter));
  l.push_back(Prop<T>("TextLineAlignment", &T::TextLineAlignment, &T::SetTextLineAlignment,
                      TiAlignmentHorizontal::iahCenter));
  l.push_back(Prop<T>("TextHorzMargin", &T::TextHorzMargin, &T::SetTextHorzMargin));
  l.push_back(Prop<T>("TextVertMargin", &T::TextVertMargin, &T::SetTextVertMargin));
  l.push_back(FontProp<T>("Font", &T::Font));
  l.push_back(Prop<T>("OuterMargin", &T::OuterMargin, &T::SetOuterMargin, 0));
  l.push_back(Prop<T>("ImageListIndex", &T::ImageListIndex, &T::SetImageListIndex, 0));
  l.push_back(Prop<T>("ImageIndex", &T::ImageIndex, &T::SetImageIndex, 0));
  l.push_back(Prop<T>("ChannelName", &T::ChannelName, &T::SetChannelName));
  l.push_back(Prop<T>("UserCanMove", &T::UserCanMove, &T::SetUserCanMove, false));
  l.push_back(Prop<T>("UserCanSize", &T::UserCanSize, &T::SetUserCanSize, false));
  l.push_back(Prop<T>("SelectModeOnlyInteraction", &T::SelectModeOnlyInteraction, &T::SetSelectModeOnlyInteraction,
                      true));
  l.push_back(Prop<T>("ClipToAxes", &T::ClipToAxes, &T::SetClipToAxes, false));
  l.push_back(Prop<T>("ShowFocusRect", &T::ShowFocusRect, &T::SetShowFocusRect, true));
  return l;
}

PropertyList FontTable() {
  PropertyList l;
  l.push_back(Prop<TFont>("Charset", &TFont::Charset, &TFont::SetCharset));
  l.push_back(Prop<TFont>("Color", &TFont::Color, &TFont::SetColor));
  l.push_back(Prop<TFont>("Height", &TFont::Height, &TFont::SetHeight));
  l.push_back(Prop<TFont>("Name", &TFont::Name, &TFont::SetName));
  l.push_back(Prop<TFont>("Pitch", &TFont::Pitch, &TFont::SetPitch, TFontPitch::fpDefault));
  l.push_back(Prop<TFont>("Size", &TFont::Size, &TFont::SetSize));
  l.push_back(Prop<TFont>("Style", &TFont::Style, &TFont::SetStyle));
  return l;
}

void AddComponentProperties(PropertyList& l) {
  using T = TiComponent;
  l.push_back(Prop<T>("Left", &T::Left, &T::SetLeft));
  l.push_back(Prop<T>("Top", &T::Top, &T::SetTop));
  l.push_back(Prop<T>("Width", &T::Width, &T::SetWidth));
  l.push_back(Prop<T>("Height", &T::Height, &T::SetHeight));
  l.push_back(Prop<T>("Tag", &T::Tag, &T::SetTag, 0));
  l.push_back(Prop<T>("Hint", &T::Hint, &T::SetHint));
  l.push_back(Prop<T>("Visible", &T::Visible, &T::SetVisible, true));
  l.push_back(Prop<T>("Enabled", &T::Enabled, &T::SetEnabled, true));
  l.push_back(Prop<T>("ShowHint", &T::ShowHint, &T::SetShowHint));
  l.push_back(Prop<T>("OptionSaveAllProperties", &T::OptionSaveAllProperties, &T::SetOptionSaveAllProperties, false));
}

/// A plain stored setting of the plot.
template <auto Field>
TiPlotProperty Setting(const char* name) {
  return Prop<TiPlotComponent>(
      name, [](TiPlotComponent& p) { return p.StoredSettings().*Field; },
      [](TiPlotComponent& p, const auto& value) { p.StoredSettings().*Field = value; });
}

/// An annotation default of the plot.
template <auto Field>
TiPlotProperty AnnotationDefault(const char* name) {
  return Prop<TiPlotComponent>(
      name, [](TiPlotComponent& p) { return p.AnnotationDefaults().*Field; },
      [](TiPlotComponent& p, const auto& value) { p.AnnotationDefaults().*Field = value; });
}

PropertyList PlotTable() {
  using T = TiPlotComponent;
  using S = TiPlotStoredSettings;
  using A = TiPlotAnnotationDefaults;
  PropertyList l;
  AddComponentProperties(l);
  l.push_back(Prop<T>("XYAxesReverse", &T::XYAxesReverse, &T::SetXYAxesReverse, false));
  l.push_back(Prop<T>("UserCanEditObjects", &T::UserCanEditObjects, &T::SetUserCanEditObjects, true));
  l.push_back(Prop<T>("UserCanAddRemoveChannels", &T::UserCanAddRemoveChannels, &T::SetUserCanAddRemoveChannels,
                      false));
  l.push_back(Prop<T>("OuterMarginLeft", &T::OuterMarginLeft, &T::SetOuterMarginLeft, 5));
  l.push_back(Prop<T>("OuterMarginTop", &T::OuterMarginTop, &T::SetOuterMarginTop, 5));
  l.push_back(Prop<T>("OuterMarginRight", &T::OuterMarginRight, &T::SetOuterMarginRight, 5));
  l.push_back(Prop<T>("OuterMarginBottom", &T::OuterMarginBottom, &T::SetOuterMarginBottom, 5));
  TiPlotProperty orientation = Setting<&S::PrintOrientation>("PrintOrientation");
  orientation.HasDefault = true;
  orientation.Default = QStringLiteral("poLandscape");
  l.push_back(orientation);
  l.push_back(Setting<&S::PrintMarginLeft>("PrintMarginLeft"));
  l.push_back(Setting<&S::PrintMarginTop>("PrintMarginTop"));
  l.push_back(Setting<&S::PrintMarginRight>("PrintMarginRight"));
  l.push_back(Setting<&S::PrintMarginBottom>("PrintMarginBottom"));
  TiPlotProperty showDialog = Setting<&S::PrintShowDialog>("PrintShowDialog");
  showDialog.HasDefault = true;
  showDialog.Default = QStringLiteral("True");
  l.push_back(showDialog);
  l.push_back(Setting<&S::PrintDocumentName>("PrintDocumentName"));
  l.push_back(Setting<&S::PrinterName>("PrinterName"));
  l.push_back(Prop<T>("HintsPause", &T::HintsPause, &T::SetHintsPause, 500));
  l.push_back(Prop<T>("HintsHidePause", &T::HintsHidePause, &T::SetHintsHidePause, 2500));
  l.push_back(Prop<T>("HintsShow", &T::HintsShow, &T::SetHintsShow, true));
  l.push_back(FontProp<T>("HintsFont", &T::HintsFont));
  l.push_back(Setting<&S::EditorFormStyle>("EditorFormStyle"));
  l.push_back(Setting<&S::CopyToClipBoardFormat>("CopyToClipBoardFormat"));
  l.push_back(Prop<T>("TitleVisible", &T::TitleVisible, &T::SetTitleVisible, true));
  l.push_back(Prop<T>("TitleText", &T::TitleText, &T::SetTitleText));
  l.push_back(FontProp<T>("TitleFont", &T::TitleFont));
  l.push_back(Prop<T>("TitleMargin", &T::TitleMargin, &T::SetTitleMargin));
  l.push_back(Prop<T>("LogFileName", &T::LogFileName, &T::SetLogFileName, QString()));
  l.push_back(Prop<T>("LogBufferSize", &T::LogBufferSize, &T::SetLogBufferSize, 0));
  l.push_back(FontProp<T>("AnnotationDefaultFont", &T::AnnotationDefaultFont));
  l.push_back(AnnotationDefault<&A::BrushStyle>("AnnotationDefaultBrushStlye"));
  l.push_back(AnnotationDefault<&A::BrushColor>("AnnotationDefaultBrushColor"));
  l.push_back(AnnotationDefault<&A::PenStyle>("AnnotationDefaultPenStlye"));
  l.push_back(AnnotationDefault<&A::PenColor>("AnnotationDefaultPenColor"));
  l.push_back(AnnotationDefault<&A::PenWidth>("AnnotationDefaultPenWidth"));
  l.push_back(AnnotationDefault<&A::Reference>("AnnotationDefaultReference"));
  l.push_back(AnnotationDefault<&A::ReferencePositionX>("AnnotationDefaultReferencePositionX"));
  l.push_back(AnnotationDefault<&A::ReferencePositionY>("AnnotationDefaultReferencePositionY"));
  l.push_back(AnnotationDefault<&A::ReferenceSizeX>("AnnotationDefaultReferenceSizeX"));
  l.push_back(AnnotationDefault<&A::ReferenceSizeY>("AnnotationDefaultReferenceSizeY"));
  l.push_back(Prop<T>("ClipAnnotationsToAxes", &T::ClipAnnotationsToAxes, &T::SetClipAnnotationsToAxes));
  l.push_back(Prop<T>("BackGroundGradientEnabled", &T::BackGroundGradientEnabled, &T::SetBackGroundGradientEnabled));
  l.push_back(Prop<T>("BackGroundGradientDirection", &T::BackGroundGradientDirection,
                      &T::SetBackGroundGradientDirection));
  l.push_back(Prop<T>("BackGroundGradientStartColor", &T::BackGroundGradientStartColor,
                      &T::SetBackGroundGradientStartColor));
  l.push_back(Prop<T>("BackGroundGradientStopColor", &T::BackGroundGradientStopColor,
                      &T::SetBackGroundGradientStopColor));
  l.push_back(Prop<T>("DataFileColumnSeparator", &T::DataFileColumnSeparator, &T::SetDataFileColumnSeparator));
  l.push_back(Prop<T>("DataFileFormat", &T::DataFileFormat, &T::SetDataFileFormat));
  l.push_back(Setting<&S::DefaultSaveImageDirectory>("DefaultSaveImageDirectory"));
  l.push_back(Setting<&S::DefaultSaveImageFormat>("DefaultSaveImageFormat"));
  l.push_back(Setting<&S::DefaultPropertyDirectory>("DefaultPropertyDirectory"));
  l.push_back(Setting<&S::DefaultDataDirectory>("DefaultDataDirectory"));
  l.push_back(Setting<&S::DefaultAnnotationDirectory>("DefaultAnnotationDirectory"));
  l.push_back(Prop<T>("DifferentialPropertySave", &T::DifferentialPropertySave, &T::SetDifferentialPropertySave,
                      false));
  l.push_back(Prop<T>("BackGroundColor", &T::BackGroundColor, &T::SetBackGroundColor, 0));
  l.push_back(Prop<T>("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, TiBevelStyle::ibsLowered));
  l.push_back(Prop<T>("Align", &T::Align, &T::SetAlign, TAlign::alNone));
  l.push_back(Prop<T>("AutoFrameRate", &T::AutoFrameRate, &T::SetAutoFrameRate, true));
  l.push_back(Prop<T>("UpdateFrameRate", &T::UpdateFrameRate, &T::SetUpdateFrameRate, 60));
  return l;
}

PropertyList ComponentTable() {
  using T = TiComponent;
  PropertyList l;
  AddComponentProperties(l);
  l.push_back(Prop<T>("AutoFrameRate", &T::AutoFrameRate, &T::SetAutoFrameRate, false));
  l.push_back(Prop<T>("UpdateFrameRate", &T::UpdateFrameRate, &T::SetUpdateFrameRate, 60));
  return l;
}

PropertyList OPCItemTable() {
  using T = TiOPCItem;
  PropertyList l;
  l.push_back(Prop<T>("PropertyName", &T::PropertyName, &T::SetPropertyName, QString()));
  l.push_back(Prop<T>("GroupName", &T::GroupName, &T::SetGroupName, QString()));
  l.push_back(Prop<T>("ComputerName", &T::ComputerName, &T::SetComputerName, QStringLiteral("Local")));
  l.push_back(Prop<T>("ServerName", &T::ServerName, &T::SetServerName, QString()));
  l.push_back(Prop<T>("ItemName", &T::ItemName, &T::SetItemName, QString()));
  l.push_back(Prop<T>("Scalar", &T::Scalar, &T::SetScalar, 0.0));
  l.push_back(Prop<T>("Offset", &T::Offset, &T::SetOffset, 0.0));
  l.push_back(Prop<T>("UpdateRate", &T::UpdateRate, &T::SetUpdateRate, 500));
  l.push_back(Prop<T>("AutoConnect", &T::AutoConnect, &T::SetAutoConnect, true));
  l.push_back(Prop<T>("AutoError", &T::AutoError, &T::SetAutoError, false));
  return l;
}

PropertyList OPCGroupTable() {
  using T = TiOPCGroupStream;
  PropertyList l;
  l.push_back(Prop<T>("Name", &T::Name, &T::SetName));
  l.push_back(Prop<T>("ComputerName", &T::ComputerName, &T::SetComputerName));
  l.push_back(Prop<T>("OPCServerName", &T::OPCServerName, &T::SetOPCServerName));
  l.push_back(Prop<T>("UpdateRate", &T::UpdateRate, &T::SetUpdateRate));
  return l;
}

}  // namespace

const TiPropertyTable& TiPlotPropertyRegistry::PropertiesOf(const TiPlotObject& object) {
  return PropertiesOfKind(object.Kind());
}

const TiPropertyTable& TiPlotPropertyRegistry::PropertiesOfKind(TiPlotObjectKind kind) {
  using K = TiPlotObjectKind;
  static const std::map<K, PropertyList> tables{
      {K::ToolBar, ToolBarProperties()},        {K::Legend, LegendProperties()},
      {K::Label, LabelProperties()},            {K::XAxis, AxisProperties()},
      {K::Table, TableProperties()},
      {K::YAxis, AxisProperties()},             {K::Channel, ChannelProperties()},
      {K::XYChannel, XYChannelProperties()},    {K::DataView, DataViewProperties()},
      {K::DataCursor, DataCursorProperties()},  {K::Limit, LimitProperties()},
      {K::Annotation, AnnotationProperties()},
  };
  static const PropertyList none;
  const auto it = tables.find(kind);
  return it != tables.end() ? it->second : none;
}

const TiPlotProperty* TiPlotPropertyRegistry::Find(const TiPlotObject& object, const QString& name) {
  return Find(PropertiesOf(object), name);
}

const TiPlotProperty* TiPlotPropertyRegistry::Find(const TiPropertyTable& table, const QString& name) {
  for (const TiPlotProperty& p : table) {
    if (p.Name.compare(name, Qt::CaseInsensitive) == 0) {
      return &p;
    }
  }
  return nullptr;
}

const TiPropertyTable& TiPlotPropertyRegistry::PlotProperties() {
  static const PropertyList table = PlotTable();
  return table;
}

const TiPropertyTable& TiPlotPropertyRegistry::ComponentProperties() {
  static const PropertyList table = ComponentTable();
  return table;
}

const TiPropertyTable& TiPlotPropertyRegistry::FontProperties() {
  static const PropertyList table = FontTable();
  return table;
}

const TiPropertyTable& TiPlotPropertyRegistry::OPCItemProperties() {
  static const PropertyList table = OPCItemTable();
  return table;
}

const TiPropertyTable& TiPlotPropertyRegistry::OPCGroupProperties() {
  static const PropertyList table = OPCGroupTable();
  return table;
}
