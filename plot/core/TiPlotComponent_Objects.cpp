#include "plot/core/TiPlotComponent.h"

#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotLabel.h"

namespace {

TiPlotLabel* Title(const TiPlotComponent& plot) {
  TiPlotKindManager& labels = plot.Master().LabelManager();
  return labels.Count() > 0 ? dynamic_cast<TiPlotLabel*>(labels.Items(0)) : nullptr;
}

}  // namespace

int TiPlotComponent::AnnotationCount() const { return m_master->AnnotationManager().Count(); }

TiPlotAnnotation* TiPlotComponent::Annotation(int index) const {
  return m_master->AnnotationManager().ItemAs<TiPlotAnnotation>(index);
}

int TiPlotComponent::AddAnnotation() {
  const int index = m_master->AddAnnotation();
  TiPlotAnnotation& a = *Annotation(index);
  const TiPlotAnnotationDefaults& d = m_annotationDefaults;
  a.SetBrushStyle(d.BrushStyle);
  a.SetBrushColor(d.BrushColor);
  a.SetPenStyle(d.PenStyle);
  a.SetPenColor(d.PenColor);
  a.SetPenWidth(d.PenWidth);
  a.SetReference(d.Reference);
  a.SetReferencePositionX(d.ReferencePositionX);
  a.SetReferencePositionY(d.ReferencePositionY);
  a.SetReferenceSizeX(d.ReferenceSizeX);
  a.SetReferenceSizeY(d.ReferenceSizeY);
  a.Font().Assign(m_annotationDefaultFont);
  return index;
}

QString TiPlotComponent::TitleText() const {
  const TiPlotLabel* title = Title(*this);
  return title != nullptr ? title->Caption() : QString();
}

void TiPlotComponent::SetTitleText(const QString& value) {
  if (TiPlotLabel* title = Title(*this)) {
    title->SetCaption(value);
  }
}

bool TiPlotComponent::TitleVisible() const {
  const TiPlotLabel* title = Title(*this);
  return title != nullptr && title->Visible();
}

void TiPlotComponent::SetTitleVisible(bool value) {
  if (TiPlotLabel* title = Title(*this)) {
    title->SetVisible(value);
  }
}

double TiPlotComponent::TitleMargin() const {
  const TiPlotLabel* title = Title(*this);
  return title != nullptr ? title->MarginBottom() : 0.0;
}

void TiPlotComponent::SetTitleMargin(double value) {
  if (TiPlotLabel* title = Title(*this)) {
    title->SetMarginBottom(value);
  }
}

TFont& TiPlotComponent::TitleFont() {
  TiPlotLabel* title = Title(*this);
  return title != nullptr ? title->Font() : Font();
}
