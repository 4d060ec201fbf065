#include "plot/objects/TiPlotAxis.h"

// Mechanical setters: a changed value is stored and repaints.

void TiPlotAxis::SetInnerMargin(int value) { StoreAndChange(value, m_innerMargin); }

void TiPlotAxis::SetOuterMargin(int value) { StoreAndChange(value, m_outerMargin); }

void TiPlotAxis::SetTitle(const QString& value) { StoreAndChange(value, m_title); }

void TiPlotAxis::SetTitleMargin(double value) { StoreAndChange(value, m_titleMargin); }

void TiPlotAxis::SetTitleShow(bool value) { StoreAndChange(value, m_titleShow); }

void TiPlotAxis::SetTitleRotated(bool value) { StoreAndChange(value, m_titleRotated); }

void TiPlotAxis::SetMajorLength(int value) { StoreAndChange(value, m_majorLength); }

void TiPlotAxis::SetMinorLength(int value) { StoreAndChange(value, m_minorLength); }

void TiPlotAxis::SetMinorCount(int value) { StoreAndChange(value, m_minorCount); }

void TiPlotAxis::SetLabelsVisible(bool value) { StoreAndChange(value, m_labelsVisible); }

void TiPlotAxis::SetLabelsMargin(double value) { StoreAndChange(value, m_labelsMargin); }

void TiPlotAxis::SetLabelSeparation(double value) { StoreAndChange(value, m_labelSeparation); }

void TiPlotAxis::SetLabelsRotation(TiRotationAngle value) { StoreAndChange(value, m_labelsRotation); }

void TiPlotAxis::SetScaleLineShow(bool value) { StoreAndChange(value, m_scaleLineShow); }

void TiPlotAxis::SetScaleLinesShow(bool value) { StoreAndChange(value, m_scaleLinesShow); }

void TiPlotAxis::SetScaleLinesColor(TColor value) { StoreAndChange(value, m_scaleLinesColor); }

void TiPlotAxis::SetStackingEndsMargin(double value) { StoreAndChange(value, m_stackingEndsMargin); }

void TiPlotAxis::SetCartesianStyle(TiPlotCartesianStyle value) { StoreAndChange(value, m_cartesianStyle); }

void TiPlotAxis::SetCartesianChildRefAxisName(const QString& value) {
  m_cartesianRefAxis = nullptr;
  StoreAndChange(value, m_cartesianChildRefAxisName);
}

void TiPlotAxis::SetCartesianChildRefValue(double value) { StoreAndChange(value, m_cartesianChildRefValue); }

void TiPlotAxis::SetAlignRefAxisName(const QString& value) {
  m_alignRefAxis = nullptr;
  StoreAndChange(value, m_alignRefAxisName);
}

void TiPlotAxis::SetGridLinesVisible(bool value) { StoreAndChange(value, m_gridLinesVisible); }

void TiPlotAxis::SetCursorUseDefaultFormat(bool value) { StoreAndChange(value, m_cursorUseDefaultFormat); }

void TiPlotAxis::SetLegendUseDefaultFormat(bool value) { StoreAndChange(value, m_legendUseDefaultFormat); }

namespace {

bool SameSettings(const TiPlotTextSettings& a, const TiPlotTextSettings& b) {
  return a.FormatStyle == b.FormatStyle && a.DateTimeFormat == b.DateTimeFormat && a.Precision == b.Precision &&
         a.PrecisionStyle == b.PrecisionStyle && a.MinLength == b.MinLength &&
         a.MinLengthAutoAdjust == b.MinLengthAutoAdjust;
}

/// The settings with one field replaced.
template <typename T, typename V>
TiPlotTextSettings With(TiPlotTextSettings settings, T TiPlotTextSettings::*field, const V& value) {
  settings.*field = value;
  return settings;
}

}  // namespace

void TiPlotAxis::SetLabels(const TiPlotTextSettings& value) {
  if (!SameSettings(value, m_labels)) {
    m_labels = value;
    DoChange();
  }
}

void TiPlotAxis::SetCursor(const TiPlotTextSettings& value) {
  if (!SameSettings(value, m_cursor)) {
    m_cursor = value;
    DoChange();
  }
}

void TiPlotAxis::SetLegend(const TiPlotTextSettings& value) {
  if (!SameSettings(value, m_legend)) {
    m_legend = value;
    DoChange();
  }
}

void TiPlotAxis::SetLabelsFormatStyle(TiPlotTextFormat value) {
  SetLabels(With(m_labels, &TiPlotTextSettings::FormatStyle, value));
}

void TiPlotAxis::SetDateTimeFormat(const QString& value) {
  SetLabels(With(m_labels, &TiPlotTextSettings::DateTimeFormat, value));
}

void TiPlotAxis::SetLabelsPrecisionStyle(TiPrecisionStyle value) {
  SetLabels(With(m_labels, &TiPlotTextSettings::PrecisionStyle, value));
}

void TiPlotAxis::SetLabelsPrecision(int value) { SetLabels(With(m_labels, &TiPlotTextSettings::Precision, value)); }

void TiPlotAxis::SetLabelsMinLength(double value) { SetLabels(With(m_labels, &TiPlotTextSettings::MinLength, value)); }

void TiPlotAxis::SetLabelsMinLengthAutoAdjust(bool value) {
  SetLabels(With(m_labels, &TiPlotTextSettings::MinLengthAutoAdjust, value));
}

void TiPlotAxis::SetCursorFormatStyle(TiPlotTextFormat value) {
  SetCursor(With(m_cursor, &TiPlotTextSettings::FormatStyle, value));
}

void TiPlotAxis::SetCursorDateTimeFormat(const QString& value) {
  SetCursor(With(m_cursor, &TiPlotTextSettings::DateTimeFormat, value));
}

void TiPlotAxis::SetCursorPrecisionStyle(TiPrecisionStyle value) {
  SetCursor(With(m_cursor, &TiPlotTextSettings::PrecisionStyle, value));
}

void TiPlotAxis::SetCursorPrecision(int value) { SetCursor(With(m_cursor, &TiPlotTextSettings::Precision, value)); }

void TiPlotAxis::SetCursorMinLength(double value) { SetCursor(With(m_cursor, &TiPlotTextSettings::MinLength, value)); }

void TiPlotAxis::SetCursorMinLengthAutoAdjust(bool value) {
  SetCursor(With(m_cursor, &TiPlotTextSettings::MinLengthAutoAdjust, value));
}

void TiPlotAxis::SetLegendFormatStyle(TiPlotTextFormat value) {
  SetLegend(With(m_legend, &TiPlotTextSettings::FormatStyle, value));
}

void TiPlotAxis::SetLegendDateTimeFormat(const QString& value) {
  SetLegend(With(m_legend, &TiPlotTextSettings::DateTimeFormat, value));
}

void TiPlotAxis::SetLegendPrecisionStyle(TiPrecisionStyle value) {
  SetLegend(With(m_legend, &TiPlotTextSettings::PrecisionStyle, value));
}

void TiPlotAxis::SetLegendPrecision(int value) { SetLegend(With(m_legend, &TiPlotTextSettings::Precision, value)); }

void TiPlotAxis::SetLegendMinLength(double value) { SetLegend(With(m_legend, &TiPlotTextSettings::MinLength, value)); }

void TiPlotAxis::SetLegendMinLengthAutoAdjust(bool value) {
  SetLegend(With(m_legend, &TiPlotTextSettings::MinLengthAutoAdjust, value));
}
