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

}  // namespace

template <typename T, typename V>
TiPlotTextSettings TiPlotAxis::WithLabel(T TiPlotTextSettings::*field, const V& value) const {
  TiPlotTextSettings s = m_labels;
  s.*field = value;
  return s;
}

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

void TiPlotAxis::SetLabelsPrecision(int value) { SetLabels(WithLabel(&TiPlotTextSettings::Precision, value)); }

void TiPlotAxis::SetLabelsFormatStyle(TiPlotTextFormat value) { SetLabels(WithLabel(&TiPlotTextSettings::FormatStyle, value)); }

void TiPlotAxis::SetLabelsPrecisionStyle(TiPrecisionStyle value) { SetLabels(WithLabel(&TiPlotTextSettings::PrecisionStyle, value)); }

void TiPlotAxis::SetDateTimeFormat(const QString& value) { SetLabels(WithLabel(&TiPlotTextSettings::DateTimeFormat, value)); }

void TiPlotAxis::SetLabelsMinLength(double value) { SetLabels(WithLabel(&TiPlotTextSettings::MinLength, value)); }

void TiPlotAxis::SetLabelsMinLengthAutoAdjust(bool value) { SetLabels(WithLabel(&TiPlotTextSettings::MinLengthAutoAdjust, value)); }
