#include "plot/streaming/TiPlotFormStream.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include <QRegularExpression>
#include <QStringList>

#include "platform/pictures/ImageListStream.h"
#include "platform/pictures/TImageList.h"
#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/opc/iOPCStreaming.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"
#include "plot/streaming/iPropertyStrings.h"

namespace {

/// The stored kinds in stream order.
std::vector<std::pair<QString, TiPlotKindManager*>> StoredManagers(TiPlotMasterManager& m) {
  return {{QStringLiteral("ToolBarManager"), &m.ToolBarManager()},
          {QStringLiteral("LegendManager"), &m.LegendManager()},
          {QStringLiteral("TableManager"), &m.TableManager()},
          {QStringLiteral("XAxisManager"), &m.XAxisManager()},
          {QStringLiteral("YAxisManager"), &m.YAxisManager()},
          {QStringLiteral("ChannelManager"), &m.ChannelManager()},
          {QStringLiteral("DataViewManager"), &m.DataViewManager()},
          {QStringLiteral("DataCursorManager"), &m.DataCursorManager()},
          {QStringLiteral("LimitManager"), &m.LimitManager()},
          {QStringLiteral("LabelManager"), &m.LabelManager()}};
}

struct Assignment {
  QString property;
  QString value;
};

/// One kind's objects as the text gives them, by index.
struct StoredKind {
  TiPlotKindManager* manager = nullptr;
  std::map<int, std::vector<Assignment>> objects;
};

/// Sets a (dotted) property of the object in the description spelling;
/// false when the name is no stored property or the value does not fit.
bool SetDescribed(TiPlotObject& object, const QString& name, const QString& value) {
  TObject* holder = &object;
  try {
    const TiPlotProperty* p = ResolvePropertyName(TiPlotPropertyRegistry::PropertiesOf(object), name, &holder);
    return p != nullptr && holder != nullptr && p->Set(*holder, value);
  } catch (const EPlotError&) {
    return false;
  }
}

EPlotError BadLine(int number, const QString& line) {
  return EPlotError(QStringLiteral("Invalid plot description line %1: %2").arg(number).arg(line));
}

}  // namespace

QString WritePlotDescription(TiPlotComponent& plot) {
  QStringList lines;
  lines << QStringLiteral("DataViewZHorz = %1").arg(plot.DataViewZHorz());
  lines << QStringLiteral("DataViewZVert = %1").arg(plot.DataViewZVert());
  for (int list = 0; list < 3; ++list) {
    if (plot.ImageList(list).Count() > 0) {
      const QByteArray bytes = ImageListStream::Write(plot.ImageList(list));
      if (bytes.isEmpty()) {
        throw EPlotError(QStringLiteral("Failed to write ImageList data to stream"));
      }
      lines << QStringLiteral("ImageList%1 = %2").arg(list).arg(QString::fromLatin1(bytes.toHex().toUpper()));
    }
  }
  for (const auto& stored : StoredManagers(plot.Master())) {
    // A plain name, not a structured binding: the lambda below captures it,
    // which clang (the fuzzing build) accepts only from version 16.
    const QString& name = stored.first;
    TiPlotKindManager* const manager = stored.second;
    const std::vector<TiPlotObject*> objects = manager->Snapshot();
    if (objects.empty()) {
      continue;
    }
    // Sub-objects (fonts) have no declared defaults: their values are
    // written where they differ from those of a new object of the class.
    const std::unique_ptr<TiPlotObject> prototype = manager->CreateObject();
    std::map<QString, QString> fresh;
    ForEachStoredProperty(*prototype, TiPlotPropertyRegistry::PropertiesOf(*prototype), QString(),
                          [&](const QString& fullName, const TiPlotProperty& p, TObject& o) {
                            fresh[fullName] = p.Get(o);
                          });
    for (std::size_t i = 0; i < objects.size(); ++i) {
      ForEachStoredProperty(
          *objects[i], TiPlotPropertyRegistry::PropertiesOf(*objects[i]), QString(),
          [&](const QString& fullName, const TiPlotProperty& p, TObject& o) {
            const QString value = p.Get(o);
            const bool omitted = fullName.contains(QLatin1Char('.')) ? value == fresh[fullName]
                                                                    : p.HasDefault && value == p.Default;
            if (!omitted) {
              lines << QStringLiteral("%1[%2].%3 = %4").arg(name).arg(i).arg(fullName, value);
            }
          });
    }
  }
  WriteOPCItemLines(plot.OPCItemManager(), lines);
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ReadPlotDescription(TiPlotComponent& plot, const QString& text) {
  TiPlotMasterManager& master = plot.Master();
  const auto managers = StoredManagers(master);
  static const QRegularExpression itemLine(QStringLiteral(R"(^(\w+)\[(\d+)\]\.([\w.]+)\s*=\s*(.*)$)"));
  static const QRegularExpression zLine(QStringLiteral(R"(^(DataViewZHorz|DataViewZVert)\s*=\s*(-?\d+)$)"));
  static const QRegularExpression imageListLine(QStringLiteral(R"(^ImageList([0-2])\s*=\s*([0-9A-Fa-f]*)$)"));
  std::vector<StoredKind> kinds;
  std::map<int, QByteArray> imageLists;
  std::map<QString, int> zOrders;
  QStringList opcItemLines;
  const QStringList lines = text.split(QLatin1Char('\n'));
  // Everything is checked (on scratch objects, events blocked) before the
  // plot changes.
  const bool wasLoading = plot.IsLoading();
  plot.SetLoading(true);
  const auto refuse = [&](int n, const QString& line) {
    plot.SetLoading(wasLoading);
    return BadLine(n, line);
  };
  for (int n = 0; n < lines.size(); ++n) {
    const QString line = lines[n].trimmed();
    if (line.isEmpty()) {
      continue;
    }
    if (const QRegularExpressionMatch z = zLine.match(line); z.hasMatch()) {
      zOrders[z.captured(1)] = z.captured(2).toInt();
      continue;
    }
    if (const QRegularExpressionMatch list = imageListLine.match(line); list.hasMatch()) {
      const QByteArray bytes = QByteArray::fromHex(list.captured(2).toLatin1());
      TImageList scratch;
      if (list.captured(2).size() % 2 != 0 || !ImageListStream::Read(bytes, scratch)) {
        plot.SetLoading(wasLoading);
        throw EPlotError(QStringLiteral("Failed to read ImageList data from stream"));
      }
      imageLists[list.captured(1).toInt()] = bytes;
      continue;
    }
    if (line.startsWith(QLatin1String("OPCItems["))) {
      if (!IsValidOPCItemLine(line)) {
        throw refuse(n + 1, line);
      }
      opcItemLines << line;
      continue;
    }
    const QRegularExpressionMatch m = itemLine.match(line);
    const auto managerIt = m.hasMatch() ? std::find_if(managers.begin(), managers.end(),
                                                       [&](const auto& e) { return e.first == m.captured(1); })
                                        : managers.end();
    if (managerIt == managers.end() || m.captured(2).toInt() > 10000) {
      throw refuse(n + 1, line);
    }
    std::unique_ptr<TiPlotObject> prototype = managerIt->second->CreateObject();
    if (!SetDescribed(*prototype, m.captured(3), m.captured(4).trimmed())) {
      throw refuse(n + 1, line);
    }
    auto kind = std::find_if(kinds.begin(), kinds.end(),
                             [&](const StoredKind& k) { return k.manager == managerIt->second; });
    if (kind == kinds.end()) {
      kinds.push_back({managerIt->second, {}});
      kind = kinds.end() - 1;
    }
    kind->objects[m.captured(2).toInt()].push_back({m.captured(3), m.captured(4).trimmed()});
  }
  plot.DisableLayoutManager();
  plot.BeginUpdate();
  if (zOrders.count(QStringLiteral("DataViewZHorz")) != 0) {
    plot.SetDataViewZHorz(zOrders[QStringLiteral("DataViewZHorz")]);
  }
  if (zOrders.count(QStringLiteral("DataViewZVert")) != 0) {
    plot.SetDataViewZVert(zOrders[QStringLiteral("DataViewZVert")]);
  }
  for (const auto& [list, bytes] : imageLists) {
    ImageListStream::Read(bytes, plot.ImageList(list));
  }
  for (const StoredKind& kind : kinds) {
    kind.manager->Clear();
    const int count = kind.objects.rbegin()->first + 1;
    for (int i = 0; i < count; ++i) {
      std::unique_ptr<TiPlotObject> object = kind.manager->CreateObject();
      TiPlotObject* raw = object.get();
      if (const auto it = kind.objects.find(i); it != kind.objects.end()) {
        // An axis's scale type decides which range it may hold, so it is
        // applied before the range whatever the line order.
        std::vector<Assignment> assignments = it->second;
        std::stable_partition(assignments.begin(), assignments.end(),
                              [](const Assignment& a) { return a.property == QLatin1String("ScaleType"); });
        for (const Assignment& a : assignments) {
          SetDescribed(*raw, a.property, a.value);
        }
      }
      kind.manager->Adopt(std::move(object));
      raw->DoInsert();
    }
  }
  if (master.ToolBarManager().Count() > 0 && master.LabelManager().Count() > 0) {
    auto* toolBar = dynamic_cast<TiPlotLayoutObject*>(master.ToolBarManager().Items(0));
    auto* label = dynamic_cast<TiPlotLayoutObject*>(master.LabelManager().Items(0));
    if (toolBar != nullptr && label != nullptr && toolBar->Horizontal() == label->Horizontal() &&
        toolBar->ZOrder() == label->ZOrder()) {
      toolBar->SetZOrder(toolBar->ZOrder() + 1);
    }
  }
  if (!opcItemLines.isEmpty()) {
    ReadOPCItemLines(plot.OPCItemManager(), opcItemLines);
  }
  plot.SetLoading(false);
  plot.Loaded();
}
