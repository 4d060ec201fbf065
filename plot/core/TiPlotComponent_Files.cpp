#include "plot/core/TiPlotComponent.h"

#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/streaming/TiPlotPropertiesFile.h"

const TiPropertyTable& TiPlotComponent::PublishedProperties() const { return TiPlotPropertyRegistry::PlotProperties(); }

void TiPlotComponent::SavePropertiesToFile(const QString& fileName) {
  SavePlotProperties(*this, fileName);
  m_lastPropertiesFileName = fileName;
  Raise(OnAfterSaveProperties, this);
}

void TiPlotComponent::LoadPropertiesFromFile(const QString& fileName) {
  Raise(OnBeforeLoadProperties, this);
  LoadPlotProperties(*this, fileName);
  m_lastPropertiesFileName = fileName;
  Raise(OnAfterLoadProperties, this);
}

void TiPlotComponent::SaveAnnotationsToFile(const QString& fileName) { SavePlotAnnotations(*this, fileName); }

void TiPlotComponent::LoadAnnotationsFromFile(const QString& fileName) { LoadPlotAnnotations(*this, fileName); }

void TiPlotComponent::SaveTranslationsToFile(const QString& fileName) {
  Master().TranslationManager().SaveToFile(fileName);
}

void TiPlotComponent::LoadTranslationsFromFile(const QString& fileName) {
  Master().TranslationManager().LoadFromFile(fileName);
}

QString TiPlotComponent::GetTranslationOriginalString(int index) const {
  return Master().TranslationManager().Items(index).OriginalString;
}

QString TiPlotComponent::GetTranslationReplacementString(int index) const {
  return Master().TranslationManager().Items(index).ReplacementString;
}
