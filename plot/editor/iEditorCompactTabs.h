#pragma once

class QTabWidget;

/// Narrows the tabs of a page control (less room beside each caption), so
/// that the nine sub-pages of a crowded editor page fit in the editor's
/// width without scroll arrows. GUI thread only.
void CompactTabs(QTabWidget& pages);
