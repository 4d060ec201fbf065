#pragma once

#include <QTabWidget>
#include <QWidget>

#include "plot/channels/TiPlotChannel.h"
#include "plot/core/TiPlot.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/core/TiPlotTranslationManager.h"
#include "plot/editor/TiPlotEditorForm.h"
#include "tests/support/ProcessEventsUntil.h"

/// A plot with two channels, a data cursor and a limit, its editor open in
/// stay-on-top mode (shown, not modal), for the Data View, Legend, Cursors,
/// Limits and ToolBar pages.
class OtherPagesEditorFixture {
public:
  explicit OtherPagesEditorFixture(int channels = 2) {
    plot.resize(500, 300);
    TiPlotKindManager& channelManager = plot.Master().ChannelManager();
    while (channelManager.Count() > channels) channelManager.FreeObject(channelManager.Items(0));
    while (plot.ChannelCount() < channels) plot.AddChannel();
    for (int c = 0; c < plot.ChannelCount(); ++c) {
      for (int i = 0; i < 20; ++i) plot.Channel(c)->AddXY(i, (c + 1) * (i % 7));
    }
    plot.Master().AddDataCursor();
    plot.Master().AddLimit();
    plot.StoredSettings().EditorFormStyle = TiPlotFormStyle::ipfsStayOnTop;
    plot.show();
  }

  /// Adds "original" -> "replacement" to the plot's translation table.
  void Translate(const char* original, const char* replacement) {
    TiPlotTranslationObject& entry = plot.Master().TranslationManager().CreateObject();
    entry.OriginalString = QString::fromLatin1(original);
    entry.ReplacementString = QString::fromLatin1(replacement);
  }

  /// Opens (or refreshes) the editor and answers it.
  TiPlotEditorForm& Editor() {
    plot.Master().EditProperties();
    TiPlotEditorForm* form = plot.Master().EditorForm();
    ProcessEventsUntil([form] { return form->isVisible(); }, std::chrono::seconds(2));
    return *form;
  }

  template <class T>
  T& Control(const char* name) {
    T* control = Editor().Control<T>(QString::fromLatin1(name));
    Q_ASSERT(control != nullptr);
    return *control;
  }

  /// Shows every page and sub-page holding control, as a user would open
  /// them before using it.
  static void ShowPagesOf(QWidget* control) {
    for (QWidget* w = control; w != nullptr && w->parentWidget() != nullptr; w = w->parentWidget()) {
      // A tab's page sits in the tab widget's stack.
      QWidget* stack = w->parentWidget();
      if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) tabs->setCurrentWidget(w);
    }
  }

  TiPlot plot;
};
