#pragma once

// Hand placement of a binding page's rows that the flow cannot arrange
// (nested groups, groups too long for one column), and the special entries
// of the name lists as the plot objects spell them.

#include <QString>
#include <QStringList>

#include "plot/editor/iPlotEditorBinding.h"

class QWidget;
class TiComponentEditorGroupBox;
class TiPlotTranslationManager;

/// Row pitch of hand-placed rows.
constexpr int kPlacedRowPitch = 24;

/// The height of a group box holding that many hand-placed rows.
constexpr int PlacedGroupHeight(int rows) { return 18 + rows * kPlacedRowPitch + 3; }

/// A captioned group box inside parent, registered under name.
TiComponentEditorGroupBox* PlaceGroup(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                      int width, int height, ControlRegistry& controls);

/// The sub-page of that caption in any page control of page (for a nested
/// one its own caption, "X-Majors"), or nullptr.
QWidget* SubPageOf(const TiEditorBoundPage& page, const QString& caption);

/// The inner width of the sub-pages of page's main page control.
int SubPageWidth(const TiEditorBoundPage& page);

/// Moves the control of a Manual row (the row binding property), with its
/// caption label and spin buttons, into parent: the label at (left, top),
/// the control from left + labelWidth to left + width (check boxes and font
/// pickers from left; colour pickers keep their width). Nothing when the
/// page has no control for that property.
void PlaceBoundRow(const TiEditorBoundPage& page, const QString& property, QWidget* parent, int left, int top,
                   int width, int labelWidth);

/// PlaceBoundRow for each property, one pitch apart from top; answers the
/// top below the last.
int PlaceBoundColumn(const TiEditorBoundPage& page, const QStringList& properties, QWidget* parent, int left,
                     int top, int width, int labelWidth);

/// The name lists' special entries ("<None>", "<All>") are shown translated
/// but the plot objects know them only untranslated. After FillBindingPage:
/// each name combo box of page whose object holds a special name, in either
/// spelling, selects that entry.
void FillSpecialNames(const TiEditorBoundPage& page, TObject& object, const TiPlotTranslationManager& translation);

/// After ApplyBindingPage: each name combo box of page showing a special
/// entry writes its untranslated text.
void ApplySpecialNames(const TiEditorBoundPage& page, TObject& object, const TiPlotTranslationManager& translation);
