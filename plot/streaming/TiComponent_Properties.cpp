#include "plot/base/EPlotError.h"
#include "plot/base/TiComponent.h"
#include "plot/base/iTextFile.h"
#include "plot/streaming/iPropertyStrings.h"

void TiComponent::SavePropertiesToFile(const QString& fileName) {
  try {
    QStringList exclusions{QStringLiteral("Name")};
    if (!m_optionSaveAllProperties) {
      exclusions << QStringList{"Left", "Top",     "Width",   "Height", "Align", "Cursor",
                                "ShowHint", "Tag", "Visible", "Enabled", "Hint", "HelpContext"};
    }
    QStringList lines{QStringLiteral("File Type = ") + ClassName()};
    WritePropertiesToStrings(*this, PublishedProperties(), QString(), lines, false, exclusions);
    WriteTextFileLines(fileName, lines);
  } catch (const EPlotError& e) {
    throw EPlotError(QStringLiteral("Error Saving Properties - ") + e.Message());
  }
}

void TiComponent::LoadPropertiesFromFile(const QString& fileName) {
  QStringList lines;
  try {
    lines = ReadTextFileLines(fileName);
    CheckPropertyLines(PublishedProperties(), QString(), lines);
  } catch (const EPlotError& e) {
    throw EPlotError(QStringLiteral("Error Loading Properties - ") + e.Message());
  }
  BeginUpdate();
  ReadPropertiesFromStrings(*this, PublishedProperties(), QString(), lines);
  EndUpdate();
}

TiPropertyKind TiComponent::GetPropertyKind(const QString& name) const {
  return FindPropertyKind(PublishedProperties(), QString(), name);
}
