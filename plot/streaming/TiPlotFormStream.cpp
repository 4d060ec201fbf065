#include "plot/streaming/TiPlotFormStream.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include <QRegularExpression>
#include <QStringList>

#include "plot/base/EPlotError.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotLayoutObject.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"

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

EPlotError BadLine(int number, const QString& line) {
  return EPlotError(QStringLiteral("Invalid plot description line %1: %2").arg(number).arg(line));
}

}  // namespace

QString WritePlotDescription(TiPlotComponent& plot) {
  QStringList lines;
  lines << QStringLiteral("DataViewZHorz = %1").arg(plot.DataViewZHorz());
  lines << QStringLiteral("DataViewZVert = %1").arg(plot.DataViewZVert());
  for (const auto& [name, manager] : StoredManagers(plot.Master())) {
    const std::vector<TiPlotObject*> objects = manager->Snapshot();
    for (std::size_t i = 0; i < objects.size(); ++i) {
      for (const TiPlotProperty& p : TiPlotPropertyRegistry::PropertiesOf(*objects[i])) {
        const QString value = p.Get(*objects[i]);
        if (!p.HasDefault || value != p.Default) {
          lines << QStringLiteral("%1[%2].%3 = %4").arg(name).arg(i).arg(p.Name, value);
        }
      }
    }
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ReadPlotDescription(TiPlotComponent& plot, const QString& text) {
  TiPlotMasterManager& master = plot.Master();
  const auto managers = StoredManagers(master);
  static const QRegularExpression itemLine(QStringLiteral(R"(^(\w+)\[(\d+)\]\.(\w+)\s*=\s*(.*)$)"));
  static const QRegularExpression zLine(QStringLiteral(R"(^(DataViewZHorz|DataViewZVert)\s*=\s*(-?\d+)$)"));
  std::vector<StoredKind> kinds;
  std::map<QString, int> zOrders;
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
    const QRegularExpressionMatch m = itemLine.match(line);
    const auto managerIt = m.hasMatch() ? std::find_if(managers.begin(), managers.end(),
                                                       [&](const auto& e) { return e.first == m.captured(1); })
                                        : managers.end();
    if (managerIt == managers.end() || m.captured(2).toInt() > 10000) {
      throw refuse(n + 1, line);
    }
    std::unique_ptr<TiPlotObject> prototype = managerIt->second->CreateObject();
    const TiPlotProperty* property = TiPlotPropertyRegistry::Find(*prototype, m.captured(3));
    if (property == nullptr || !property->Set(*prototype, m.captured(4).trimmed())) {
      throw refuse(n + 1, line);
    }
    auto kind = std::find_if(kinds.begin(), kinds.end(),
                             [&](const StoredKind& k) { return k.manager == managerIt->second; });
    if (kind == kinds.end()) {
      kinds.push_back({managerIt->second, {}});
      kind = kinds.end() - 1;
    }
    kind->objects[m.captured(2).toInt()].push_back({property->Name, m.captured(4).trimmed()});
  }
  plot.DisableLayoutManager();
  plot.BeginUpdate();
  if (zOrders.count(QStringLiteral("DataViewZHorz")) != 0) {
    plot.SetDataViewZHorz(zOrders[QStringLiteral("DataViewZHorz")]);
  }
  if (zOrders.count(QStringLiteral("DataViewZVert")) != 0) {
    plot.SetDataViewZVert(zOrders[QStringLiteral("DataViewZVert")]);
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
          TiPlotPropertyRegistry::Find(*raw, a.property)->Set(*raw, a.value);
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
  plot.SetLoading(false);
  plot.Loaded();
}
