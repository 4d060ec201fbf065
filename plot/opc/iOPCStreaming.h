#pragma once

#include <QString>
#include <QStringList>

class TiOPCItemManager;
class TiOPCManager;

/// The OPC items of a control ("OPCItems") and the groups of an OPC
/// manager ("Groups") as text lines, in the line syntax of plot
/// descriptions: "<Collection>[<index>].<property> = <value>", values in
/// the description spelling. GUI thread.

/// Appends a line per stored item property that differs from its declared
/// default; nothing without items.
void WriteOPCItemLines(const TiOPCItemManager& items, QStringList& out);
/// Whether the line is an item line whose property and value an item
/// takes (the collection name must be "OPCItems").
bool IsValidOPCItemLine(const QString& line);
/// Replaces the items with those the lines describe (indexes with no line
/// get a default item); each item's Loaded runs after its properties are
/// set, which may connect it. Lines that are not valid item lines are
/// ignored.
void ReadOPCItemLines(TiOPCItemManager& items, const QStringList& lines);

/// Appends the four lines of each group; nothing without groups.
void WriteOPCGroupLines(const TiOPCManager& manager, QStringList& out);
/// Clears the manager's groups and adds those the lines describe, in index
/// order. EPlotError "Invalid group line N: <line>" before anything
/// changes when a line is not a group line.
void ReadOPCGroupLines(TiOPCManager& manager, const QStringList& lines);
