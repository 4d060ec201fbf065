#include "plot/streaming/TiPlotPropertiesFile.h"

#include <memory>
#include <optional>
#include <vector>

#include <QStringList>

#include "plot/base/EPlotError.h"
#include "plot/base/iPropertyText.h"
#include "plot/base/iTextFile.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/streaming/iPropertyStrings.h"

namespace {

/// The most objects of one kind a file may ask for (as a plot
/// description).
constexpr int MaxObjectCount = 10000;
/// The longest line read; the writer never makes one above 255 bytes.
constexpr int MaxReadLineLength = 1024;

/// The stored kinds in file order: their section and count names and
/// their managers.
struct FileKind {
  const char* name;
  TiPlotKindManager& (TiPlotMasterManager::*manager)() const;
  int (TiPlotMasterManager::*add)();
};
using M = TiPlotMasterManager;
constexpr FileKind FileKinds[] = {
    {"Channel", &M::ChannelManager, &M::AddChannel},          {"XAxis", &M::XAxisManager, &M::AddXAxis},
    {"YAxis", &M::YAxisManager, &M::AddYAxis},                {"ToolBar", &M::ToolBarManager, &M::AddToolBar},
    {"Legend", &M::LegendManager, &M::AddLegend},             {"Table", &M::TableManager, &M::AddTable},
    {"Label", &M::LabelManager, &M::AddLabel},                {"DataView", &M::DataViewManager, &M::AddDataView},
    {"DataCursor", &M::DataCursorManager, &M::AddDataCursor}, {"Limit", &M::LimitManager, &M::AddLimit},
};

/// The file's lines; EPlotError for a file that is no property text.
QStringList ReadPropertyLines(const QString& fileName) {
  const QStringList lines = ReadTextFileLines(fileName);
  for (int i = 0; i < lines.size(); ++i) {
    if (lines[i].size() > MaxReadLineLength) {
      throw EPlotError(QStringLiteral("Line %1 is too long").arg(i + 1));
    }
    for (const QChar c : lines[i]) {
      if (c.unicode() < 0x20 && c != QLatin1Char('\t')) {
        throw EPlotError(QStringLiteral("Line %1 holds binary data; not a text file").arg(i + 1));
      }
    }
  }
  return lines;
}

/// Takes the count line out of the list: 0 when missing (EPlotError when
/// it is required); EPlotError for a value that is no number from 0 to
/// MaxObjectCount.
int TakeCount(const QString& key, QStringList& lines, bool required = false) {
  QString value;
  if (!ExtractNamedValue(key, value, lines)) {
    if (required) {
      throw EPlotError(QStringLiteral("The line \"%1 = \" is missing").arg(key));
    }
    return 0;
  }
  bool ok = false;
  const qlonglong count = value.toLongLong(&ok);
  if (!ok) {
    throw EPlotError(QStringLiteral("'%1' is not a valid integer value for %2").arg(value, key));
  }
  if (count < 0 || count > MaxObjectCount) {
    throw EPlotError(QStringLiteral("%1 %2 is out of range (0 to %3)").arg(key).arg(count).arg(MaxObjectCount));
  }
  return int(count);
}

/// A section's lines, prefix removed.
struct Section {
  QString prefix;
  QStringList lines;
};

/// The properties of the class a manager creates.
const TiPropertyTable& ClassProperties(TiPlotKindManager& manager) {
  const std::unique_ptr<TiPlotObject> prototype = manager.CreateObject();
  return TiPlotPropertyRegistry::PropertiesOf(*prototype);
}

/// A configuration file, read and checked, ready to be applied.
struct PlotConfiguration {
  std::optional<int> zHorz;
  std::optional<int> zVert;
  /// Per kind of FileKinds, a section per object.
  std::vector<std::vector<Section>> objects;
  Section plot;
};

std::optional<int> TakeZOrder(const QString& key, QStringList& lines) {
  QString value;
  if (!ExtractNamedValue(key, value, lines)) {
    return std::nullopt;
  }
  bool ok = false;
  const int z = value.toInt(&ok);
  if (!ok) {
    throw EPlotError(QStringLiteral("'%1' is not a valid integer value for %2").arg(value, key));
  }
  return z;
}

PlotConfiguration ReadConfiguration(TiPlotComponent& plot, const QString& fileName) {
  QStringList lines = ReadPropertyLines(fileName);
  QString fileType;
  if (!ExtractNamedValue(QStringLiteral("File Type"), fileType, lines) ||
      fileType.compare(QStringLiteral("Plot Config"), Qt::CaseInsensitive) != 0) {
    throw EPlotError(QStringLiteral("Incompatible Plot Configuration File Type"));
  }
  std::vector<int> counts;
  for (const FileKind& kind : FileKinds) {
    const QString key = QString::fromLatin1(kind.name) + QStringLiteral("Count");
    counts.push_back(TakeCount(key, lines));
    if (counts.back() > 0 && !(plot.Master().*kind.manager)().HasObjectClass()) {
      throw EPlotError(QStringLiteral("%1 %2: this plot holds no objects of that kind").arg(key).arg(counts.back()));
    }
  }
  PlotConfiguration configuration;
  configuration.zHorz = TakeZOrder(QStringLiteral("DataViewZHorz"), lines);
  configuration.zVert = TakeZOrder(QStringLiteral("DataViewZVert"), lines);
  for (std::size_t k = 0; k < std::size(FileKinds); ++k) {
    std::vector<Section>& sections = configuration.objects.emplace_back();
    for (int i = 0; i < counts[k]; ++i) {
      const QString prefix = QString::fromLatin1(FileKinds[k].name) + QString::number(i);
      sections.push_back({prefix, TakePropertySection(prefix, lines)});
    }
    if (!sections.empty()) {
      const TiPropertyTable& table = ClassProperties((plot.Master().*FileKinds[k].manager)());
      for (const Section& section : sections) {
        CheckPropertyLines(table, section.prefix, section.lines);
      }
    }
  }
  configuration.plot = {QString(), TakePropertySection(QString(), lines)};
  CheckPropertyLines(plot.PublishedProperties(), QString(), configuration.plot.lines);
  return configuration;
}

/// Keeps the layout manager disabled (when asked) and an update block open
/// while a file is applied; both end however the application ends.
class ApplyBlock {
public:
  ApplyBlock(TiPlotComponent& plot, bool layout) : m_plot(plot), m_layout(layout) {
    if (m_layout) {
      m_plot.DisableLayoutManager();
    }
    m_plot.BeginUpdate();
  }
  ~ApplyBlock() {
    if (m_layout) {
      m_plot.EnableLayoutManager();
    }
    m_plot.EndUpdate();
  }
  ApplyBlock(const ApplyBlock&) = delete;
  ApplyBlock& operator=(const ApplyBlock&) = delete;

private:
  TiPlotComponent& m_plot;
  bool m_layout;
};

/// A property whose setter refuses while its owner logs: a changed value,
/// or (anyValue) every assignment; and the text it refuses with.
struct LogLockedProperty {
  QString name;
  QString refusal;
  bool anyValue = false;
};

/// While the owner logs, a section that a locked setter would refuse is
/// refused with that setter's text before anything changes. The section's
/// value is compared with what the owner itself writes.
void CheckLogLockedProperties(TObject& owner, const TiPropertyTable& table, const QStringList& section,
                              const std::vector<LogLockedProperty>& locked) {
  QStringList current;
  WritePropertiesToStrings(owner, table, QString(), current, false);
  for (const LogLockedProperty& property : locked) {
    QStringList lines = section;
    QString value;
    if (!ExtractNamedValue(property.name, value, lines)) {
      continue;
    }
    QStringList own = current;
    QString now;
    if (property.anyValue || !ExtractNamedValue(property.name, now, own) || value != now) {
      throw EPlotError(property.refusal);
    }
  }
}

/// Steps 3 to 8 of a load, on a configuration that was checked.
void ApplyConfiguration(TiPlotComponent& plot, const PlotConfiguration& configuration) {
  TiPlotMasterManager& master = plot.Master();
  const ApplyBlock block(plot, true);
  if (configuration.zHorz) {
    plot.SetDataViewZHorz(*configuration.zHorz);
  }
  if (configuration.zVert) {
    plot.SetDataViewZVert(*configuration.zVert);
  }
  for (TiPlotKindManager* manager :
       {&master.LegendManager(), &master.TableManager(), &master.LimitManager(), &master.XAxisManager(),
        &master.YAxisManager(), &master.DataViewManager(), &master.ChannelManager(), &master.AnnotationManager(),
        &master.DataCursorManager()}) {
    manager->Clear();
  }
  plot.RemoveAllLabels();
  for (std::size_t k = 0; k < std::size(FileKinds); ++k) {
    const FileKind& kind = FileKinds[k];
    TiPlotKindManager& manager = (master.*kind.manager)();
    const bool toolBars = &manager == &master.ToolBarManager();
    const bool labels = &manager == &master.LabelManager();
    for (std::size_t i = 0; i < configuration.objects[k].size(); ++i) {
      // Every toolbar section goes to toolbar 0; label 0, the title, is
      // kept and takes section Label0.
      int index = 0;
      if (toolBars) {
        if (manager.Count() == 0) {
          continue;
        }
      } else if (!labels || i > 0 || manager.Count() == 0) {
        index = (master.*kind.add)();
      }
      TiPlotObject& object = *manager.Items(index);
      if (&manager == &master.ChannelManager()) {
        static_cast<TiPlotChannelCustom&>(object).SetColor(255);
      }
      ApplyPropertyLines(object, TiPlotPropertyRegistry::PropertiesOf(object), configuration.objects[k][i].lines);
    }
  }
  ApplyPropertyLines(plot, plot.PublishedProperties(), configuration.plot.lines);
}

}  // namespace

void SavePlotProperties(TiPlotComponent& plot, const QString& fileName) {
  WithErrorPrefix("Error Saving Properties - ", [&] {
    TiPlotMasterManager& master = plot.Master();
    const bool differential = plot.DifferentialPropertySave();
    QStringList lines{QStringLiteral("File Type = Plot Config")};
    for (const FileKind& kind : FileKinds) {
      lines << QStringLiteral("%1Count = %2").arg(QString::fromLatin1(kind.name)).arg((master.*kind.manager)().Count());
    }
    lines << QStringLiteral("DataViewZHorz = %1").arg(plot.DataViewZHorz());
    lines << QStringLiteral("DataViewZVert = %1").arg(plot.DataViewZVert());
    for (const FileKind& kind : FileKinds) {
      TiPlotKindManager& manager = (master.*kind.manager)();
      for (int i = 0; i < manager.Count(); ++i) {
        TiPlotObject& object = *manager.Items(i);
        WritePropertiesToStrings(object, TiPlotPropertyRegistry::PropertiesOf(object),
                                 QString::fromLatin1(kind.name) + QString::number(i), lines, differential);
      }
    }
    QStringList exclusions{QStringLiteral("Name")};
    if (!plot.OptionSaveAllProperties()) {
      exclusions << QStringList{"Left",    "Top", "Width", "Height", "Align", "Cursor",      "ShowHint",
                                "Tag",     "Visible", "Enabled", "Hint", "HelpContext", "HelpKeyword"};
    }
    WritePropertiesToStrings(plot, plot.PublishedProperties(), QString(), lines, differential, exclusions);
    WriteTextFileLines(fileName, lines);
  });
}

void LoadPlotProperties(TiPlotComponent& plot, const QString& fileName) {
  WithErrorPrefix("Error Loading Properties - ", [&] {
    const PlotConfiguration configuration = ReadConfiguration(plot, fileName);
    if (plot.LoggingActive()) {
      CheckLogLockedProperties(
          plot, plot.PublishedProperties(), configuration.plot.lines,
          {{QStringLiteral("LogFileName"), QStringLiteral("Log File Name can not be changed while logging is active.")},
           {QStringLiteral("DataFileFormat"),
            QStringLiteral("Data File Format can not be changed while logging active"), true},
           {QStringLiteral("DataFileColumnSeparator"),
            QStringLiteral("Data File Column Seperator can not be changed while logging active")}});
    }
    ApplyConfiguration(plot, configuration);
  });
}

void SavePlotAnnotations(TiPlotComponent& plot, const QString& fileName) {
  WithErrorPrefix("Error Saving Annotations - ", [&] {
    QStringList lines{QStringLiteral("AnnotationCount = %1").arg(plot.AnnotationCount())};
    for (int i = 0; i < plot.AnnotationCount(); ++i) {
      TiPlotAnnotation& annotation = *plot.Annotation(i);
      WritePropertiesToStrings(annotation, TiPlotPropertyRegistry::PropertiesOf(annotation),
                               QStringLiteral("Annotation%1").arg(i), lines, true);
    }
    WriteTextFileLines(fileName, lines);
  });
}

void LoadPlotAnnotations(TiPlotComponent& plot, const QString& fileName) {
  WithErrorPrefix("Error Loading Annotations - ", [&] {
    QStringList lines = ReadPropertyLines(fileName);
    const int count = TakeCount(QStringLiteral("AnnotationCount"), lines, true);
    const TiPropertyTable& table = ClassProperties(plot.Master().AnnotationManager());
    std::vector<Section> sections;
    for (int i = 0; i < count; ++i) {
      const QString prefix = QStringLiteral("Annotation%1").arg(i);
      sections.push_back({prefix, TakePropertySection(prefix, lines)});
      CheckPropertyLines(table, prefix, sections.back().lines);
    }
    const ApplyBlock block(plot, false);
    plot.Master().AnnotationManager().Clear();
    for (const Section& section : sections) {
      ApplyPropertyLines(*plot.Annotation(plot.AddAnnotation()), table, section.lines);
    }
  });
}

void SaveChannelProperties(TiPlotChannelCustom& channel, const QString& fileName, bool differential) {
  WithErrorPrefix("Error Saving Properties - ", [&] {
    QStringList lines{QStringLiteral("File Type = Plot Channel Config")};
    WritePropertiesToStrings(channel, TiPlotPropertyRegistry::PropertiesOf(channel), QStringLiteral("Channel"), lines,
                             differential, {QStringLiteral("Channel.Name")});
    WriteTextFileLines(fileName, lines);
  });
}

void LoadChannelProperties(TiPlotChannelCustom& channel, const QString& fileName) {
  WithErrorPrefix("Error Loading Properties - ", [&] {
    QStringList lines = ReadPropertyLines(fileName);
    QString fileType;
    if (!ExtractNamedValue(QStringLiteral("File Type"), fileType, lines) ||
        fileType.compare(QStringLiteral("Plot Channel Config"), Qt::CaseInsensitive) != 0) {
      throw EPlotError(QStringLiteral("Incompatible Plot Channel Configuration File Type"));
    }
    const TiPropertyTable& table = TiPlotPropertyRegistry::PropertiesOf(channel);
    const QString prefix = QStringLiteral("Channel");
    const QStringList section = TakePropertySection(prefix, lines);
    CheckPropertyLines(table, prefix, section);
    if (channel.LoggingActive()) {
      CheckLogLockedProperties(channel, table, section,
                               {{QStringLiteral("LogFileName"),
                                 channel.TranslateString(
                                     QStringLiteral("Log File Name can not be changed while logging is active."))}});
    }
    ApplyPropertyLines(channel, table, section);
  });
}
