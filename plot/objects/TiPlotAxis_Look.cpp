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

void TiPlotAxis::SetLabelsPrecision(int value) {
  TiPlotTextSettings s = m_labels;
  s.Precision = value;
  SetLabels(s);
}

void TiPlotAxis::SetLabelsFormatStyle(TiPlotTextFormat value) {
  TiPlotTextSettings s = m_labels;
  s.FormatStyle = value;
  SetLabels(s);
}

void TiPlotAxis::SetLabelsPrecisionStyle(TiPrecisionStyle value) {
  TiPlotTextSettings s = m_labels;
  s.PrecisionStyle = value;
  SetLabels(s);
}

void TiPlotAxis::SetDateTimeFormat(const QString& value) {
  TiPlotTextSettings s = m_labels;
  s.DateTimeFormat = value;
  SetLabels(s);
}

void TiPlotAxis::SetLabelsMinLength(double value) {
  TiPlotTextSettings s = m_labels;
  s.MinLength = value;
  SetLabels(s);
}

void TiPlotAxis::SetLabelsMinLengthAutoAdjust(bool value) {
  TiPlotTextSettings s = m_labels;
  s.MinLengthAutoAdjust = value;
  SetLabels(s);
}
