#include "plot/opc/iOPCStreaming.h"

#include <map>
#include <vector>

#include <QRegularExpression>

#include "plot/base/EPlotError.h"
#include "plot/opc/TiOPCItemManager.h"
#include "plot/opc/TiOPCManager.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"

namespace {

struct CollectionLine {
  QString collection;
  int index = 0;
  QString property;
  QString value;
};

constexpr int kOpcStreamMaxIndex = 10000;

bool ParseCollectionLine(const QString& line, CollectionLine& parsed) {
  static const QRegularExpression pattern(QStringLiteral(R"(^(\w+)\[(\d+)\]\.(\w+)\s*=\s*(.*)$)"));
  const QRegularExpressionMatch m = pattern.match(line.trimmed());
  if (!m.hasMatch() || m.captured(2).toInt() > kOpcStreamMaxIndex) {
    return false;
  }
  parsed = {m.captured(1), m.captured(2).toInt(), m.captured(3), m.captured(4).trimmed()};
  return true;
}

void WriteObjectLines(const QString& collection, int index, TObject& object, const TiPropertyTable& table,
                      QStringList& out) {
  for (const TiPlotProperty& p : table) {
    const QString value = p.Get(object);
    if (!p.HasDefault || value != p.Default) {
      out << QStringLiteral("%1[%2].%3 = %4").arg(collection).arg(index).arg(p.Name, value);
    }
  }
}

/// Sets the line's property on the object; false when it has no such
/// property or the value does not fit.
bool SetLineProperty(TObject& object, const TiPropertyTable& table, const CollectionLine& line) {
  const TiPlotProperty* p = TiPlotPropertyRegistry::Find(table, line.property);
  return p != nullptr && p->Set(object, line.value);
}

/// The valid lines of a collection by index, in line order.
std::map<int, std::vector<CollectionLine>> CollectLines(const QStringList& lines, const QString& collection) {
  std::map<int, std::vector<CollectionLine>> objects;
  for (const QString& text : lines) {
    CollectionLine line;
    if (ParseCollectionLine(text, line) && line.collection == collection) {
      objects[line.index].push_back(line);
    }
  }
  return objects;
}

const QString kOpcItemsCollection = QStringLiteral("OPCItems");
const QString kOpcGroupsCollection = QStringLiteral("Groups");

}  // namespace

void WriteOPCItemLines(const TiOPCItemManager& items, QStringList& out) {
  for (int i = 0; i < items.Count(); ++i) {
    WriteObjectLines(kOpcItemsCollection, i, items.Items(i), TiPlotPropertyRegistry::OPCItemProperties(), out);
  }
}

bool IsValidOPCItemLine(const QString& text) {
  CollectionLine line;
  if (!ParseCollectionLine(text, line) || line.collection != kOpcItemsCollection) {
    return false;
  }
  TiOPCItemManager scratch(nullptr);
  return SetLineProperty(scratch.Items(scratch.Add()), TiPlotPropertyRegistry::OPCItemProperties(), line);
}

void ReadOPCItemLines(TiOPCItemManager& items, const QStringList& lines) {
  items.Clear();
  const auto objects = CollectLines(lines, kOpcItemsCollection);
  if (objects.empty()) {
    return;
  }
  const int count = objects.rbegin()->first + 1;
  for (int i = 0; i < count; ++i) {
    TiOPCItem& item = items.Items(items.Add());
    if (const auto it = objects.find(i); it != objects.end()) {
      for (const CollectionLine& line : it->second) {
        try {
          SetLineProperty(item, TiPlotPropertyRegistry::OPCItemProperties(), line);
        } catch (const EPlotError&) {
          // A reconnect the library refuses leaves the value stored; Loaded
          // tries again below.
        }
      }
    }
    item.Loaded();
  }
}

void WriteOPCGroupLines(const TiOPCManager& manager, QStringList& out) {
  for (int i = 0; i < manager.GroupCount(); ++i) {
    const TiOPCGroupObject& group = manager.Groups(i);
    TiOPCGroupStream stream;
    stream.SetName(group.Name());
    stream.SetComputerName(group.ComputerName());
    stream.SetOPCServerName(group.OPCServerName());
    stream.SetUpdateRate(group.UpdateRate());
    WriteObjectLines(kOpcGroupsCollection, i, stream, TiPlotPropertyRegistry::OPCGroupProperties(), out);
  }
}

void ReadOPCGroupLines(TiOPCManager& manager, const QStringList& lines) {
  std::map<int, TiOPCGroupStream> groups;
  for (int n = 0; n < lines.size(); ++n) {
    if (lines[n].trimmed().isEmpty()) {
      continue;
    }
    CollectionLine line;
    if (!ParseCollectionLine(lines[n], line) || line.collection != kOpcGroupsCollection ||
        !SetLineProperty(groups[line.index], TiPlotPropertyRegistry::OPCGroupProperties(), line)) {
      throw EPlotError(QStringLiteral("Invalid group line %1: %2").arg(n + 1).arg(lines[n]));
    }
  }
  manager.GroupClear();
  for (const auto& [index, group] : groups) {
    manager.GroupAdd(group.Name(), group.ComputerName(), group.OPCServerName(), group.UpdateRate());
  }
}
