#pragma once

#include <string>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/base/iPropertyText.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "plot/streaming/iPropertyStrings.h"

/// Every stored property of the plot and of all its objects, annotations
/// included, one "Kind[i].Name = value" line each (description spelling).
inline std::string RegistryDump(TiPlotComponent& plot) {
  QStringList dump;
  const auto add = [&dump](const QString& prefix) {
    return [&dump, prefix](const QString& name, const TiPlotProperty& p, TObject& o) {
      dump << prefix + name + QStringLiteral(" = ") + p.Get(o);
    };
  };
  ForEachStoredProperty(plot, plot.PublishedProperties(), QString(), add(QStringLiteral("Plot.")));
  TiPlotMasterManager& m = plot.Master();
  for (TiPlotKindManager* manager :
       {&m.ChannelManager(), &m.XAxisManager(), &m.YAxisManager(), &m.ToolBarManager(), &m.LegendManager(),
        &m.TableManager(), &m.LabelManager(), &m.DataViewManager(), &m.DataCursorManager(), &m.LimitManager(),
        &m.AnnotationManager()}) {
    for (int i = 0; i < manager->Count(); ++i) {
      TiPlotObject& object = *manager->Items(i);
      ForEachStoredProperty(object, TiPlotPropertyRegistry::PropertiesOf(object), QString(),
                            add(QStringLiteral("%1[%2].").arg(manager->GetBaseName()).arg(i)));
    }
  }
  return dump.join(QLatin1Char('\n')).toStdString();
}

/// Moves every stored property of the instance off its current value: an
/// enumeration or Boolean to its next value, an integer, colour or set up
/// by one, a float up by 0.5, a string gains "x".
inline void MoveEveryProperty(TObject& instance, const TiPropertyTable& table) {
  ForEachStoredProperty(instance, table, QString(), [](const QString&, const TiPlotProperty& p, TObject& o) {
    if (p.Kind == TiPropertyKind::tkEnumeration) {
      p.SetOrdinal(o, p.GetOrdinal(o) == p.OrdinalMax ? p.OrdinalMin : p.GetOrdinal(o) + 1);
    } else if (IsOrdinalKind(p.Kind)) {
      p.SetOrdinal(o, p.GetOrdinal(o) == p.OrdinalMax ? p.OrdinalMax - 1 : p.GetOrdinal(o) + 1);
    } else if (p.Kind == TiPropertyKind::tkFloat) {
      double value = 0;
      TextToFloat(p.Get(o), value);
      p.Set(o, FloatToText(value + 0.5));
    } else if (p.Kind == TiPropertyKind::tkString) {
      p.Set(o, p.Get(o) + QStringLiteral("x"));
    }
  });
}

/// The raw bytes of a file.
inline QByteArray FileBytes(const QString& fileName) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& fileName, const QByteArray& bytes) {
  QFile file(fileName);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
}
