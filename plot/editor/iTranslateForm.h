#pragma once

class QWidget;
class TiPlotTranslationManager;

/// Puts a form's texts through a plot's translation table: the form's
/// caption, then in creation order each control's caption (labels, check
/// boxes, radio groups), label text, button text, page caption and group
/// box title, and the items of
/// radio groups and combo boxes. Texts without an entry stay; an empty
/// table changes nothing. GUI thread only.
void TranslateForm(QWidget* form, const TiPlotTranslationManager& table);
