#pragma once

#include <array>
#include <memory>

#include <QPointer>

#include "plot/core/TiPlotKindManager.h"

class TForm;
enum class TCloseAction;
class TiPlotComponent;
class TiPlotEditorForm;
class TiPlotLayoutManager;
class TiPlotObjectManager;
class TiPlotTranslationManager;

/// The centre of a plot's object model: owns one manager per object kind,
/// the layout manager, the translation table and the list of every object;
/// receives every notification objects send (insert, remove, rename,
/// select, change) and passes it on to the managers and the plot; creates
/// objects of every kind; applies plot-wide object settings. The X axis, Y
/// axis and data view classes are registered here; the other kinds'
/// classes are registered by whoever builds them (SetObjectClass on the
/// kind's manager, or ChannelClass for channels).
///
/// Owned by its plot component for the plot's whole life. GUI thread only.
class TiPlotMasterManager : public TObject {
public:
  explicit TiPlotMasterManager(TiPlotComponent* owner);
  ~TiPlotMasterManager() override;

  TiPlotComponent* Owner() const { return m_owner; }
  TiPlotObjectManager& ObjectManager() const { return *m_objectManager; }
  TiPlotKindManager& ToolBarManager() const { return *m_toolBarManager; }
  TiPlotKindManager& LegendManager() const { return *m_legendManager; }
  TiPlotKindManager& TableManager() const { return *m_tableManager; }
  TiPlotKindManager& XAxisManager() const { return *m_xAxisManager; }
  TiPlotKindManager& YAxisManager() const { return *m_yAxisManager; }
  TiPlotKindManager& ChannelManager() const { return *m_channelManager; }
  TiPlotKindManager& DataViewManager() const { return *m_dataViewManager; }
  TiPlotKindManager& DataCursorManager() const { return *m_dataCursorManager; }
  TiPlotKindManager& LimitManager() const { return *m_limitManager; }
  TiPlotKindManager& LabelManager() const { return *m_labelManager; }
  TiPlotKindManager& AnnotationManager() const { return *m_annotationManager; }
  TiPlotTranslationManager& TranslationManager() const { return *m_translationManager; }
  TiPlotLayoutManager& LayoutManager() const { return *m_layoutManager; }
  /// The manager of a kind (both channel kinds share one); nullptr for
  /// kinds no manager holds.
  TiPlotKindManager* ManagerOfKind(TiPlotObjectKind kind) const;

  bool UserCanEditObjects() const { return m_userCanEditObjects; }
  /// Sets UserCanEdit of every object; no repaint.
  void SetUserCanEditObjects(bool value);
  bool XYAxesReverse() const { return m_xyAxesReverse; }
  /// Reorients the layout and every object, then repaints at once.
  void SetXYAxesReverse(bool value);
  /// The channel class the plot creates (TiPlot and TiXYPlot set theirs).
  void SetChannelClass(TiPlotObjectFactory factory, TiPlotFirstReferences firstReferences);

  /// Each creates an object of the kind, announces it (the managers take
  /// it in, name it and give it its first references) and answers its
  /// index. EPlotError when no class is registered for the kind.
  int AddChannel();
  int AddDataView();
  int AddDataCursor();
  int AddXAxis();
  int AddYAxis();
  int AddLegend();
  int AddTable();
  int AddToolBar();
  int AddLimit();
  int AddLabel();
  int AddAnnotation();
  int AddTranslation();

  void ShowToolBars(bool value);
  /// Clear on every channel (ending their logging), then a fresh first
  /// alignment for every axis.
  void ClearAllData();
  void DeSelectAll();

  // Notification handlers of every object and manager.
  void NotifyInsert(TObject* sender);
  void NotifyRemove(TObject* sender);
  void NotifyRename(TObject* sender);
  void NotifySetFocus(TObject* sender);
  void NotifyChange(TObject* sender);

  // The run-time editor (TiPlotMasterManager_Editor.cpp).
  /// Opens the editor: created when there is none, every page updated, the
  /// Control page loaded from the plot, centred, OnAfterOpenEditor, then
  /// shown modally (freed when it closes) or stay-on-top (living until
  /// closed); the page shown on each page control is remembered.
  void EditProperties();
  /// "Edit..." of an object: the editor on the object's page with it
  /// selected (kinds without a page keep the current page), then EditProperties.
  void EditObject(TObject* object);
  /// Writes the editor's Control page into the plot and sets the log
  /// controls' enabling; nothing without an open editor.
  void BasicPropertyChanged();
  /// The editor's and the print preview's translation: nothing for no form,
  /// an empty table or the editor while it closes.
  void TranslateForm(TForm* form);
  /// The editor while it exists.
  TiPlotEditorForm* EditorForm() const;
  /// The page control names of the editor whose shown page is remembered.
  static const std::array<QString, 14>& EditorPageControlNames();
  /// The page last shown on the editor's page control of that index.
  int EditorPageIndex(int pageControl) const { return m_editorPageIndexes.at(size_t(pageControl)); }

  TNotifyEvent OnInvalidateNow;
  TNotifyEvent OnChange;
  TNotifyEvent OnInsert;
  TNotifyEvent OnRemove;

private:
  // The run-time editor.
  void CreateEditorForm();
  void EditorFormClose(TObject* sender, TCloseAction& action);
  void FreeEditorForm();
  /// The editor while it exists and is not closing; else nullptr.
  TiPlotEditorForm* OpenEditor() const;
  void LoadEditorGeneralPage();
  void SetEditorLogControlsEnabled();
  void StoreEditorPageIndexes();
  void EditorInsert(TiPlotObject* object);
  void EditorRemove(TiPlotObject* object);
  void EditorRename(TiPlotObject* object);

  std::unique_ptr<TiPlotKindManager> MakeKindManager(std::initializer_list<TiPlotObjectKind> kinds,
                                                     const QString& baseName);
  int AddOf(TiPlotKindManager& manager);
  /// The kind managers in the order notifications visit them.
  std::vector<TiPlotKindManager*> KindManagers() const;
  void RegisterAxisAndDataViewClasses();

  TiPlotComponent* m_owner;
  bool m_userCanEditObjects = true;
  std::unique_ptr<TiPlotObjectManager> m_objectManager;
  std::unique_ptr<TiPlotKindManager> m_toolBarManager;
  std::unique_ptr<TiPlotKindManager> m_legendManager;
  std::unique_ptr<TiPlotKindManager> m_tableManager;
  std::unique_ptr<TiPlotKindManager> m_channelManager;
  std::unique_ptr<TiPlotKindManager> m_dataCursorManager;
  std::unique_ptr<TiPlotKindManager> m_dataViewManager;
  std::unique_ptr<TiPlotKindManager> m_xAxisManager;
  std::unique_ptr<TiPlotKindManager> m_yAxisManager;
  std::unique_ptr<TiPlotKindManager> m_limitManager;
  std::unique_ptr<TiPlotKindManager> m_labelManager;
  std::unique_ptr<TiPlotKindManager> m_annotationManager;
  std::unique_ptr<TiPlotLayoutManager> m_layoutManager;
  std::unique_ptr<TiPlotTranslationManager> m_translationManager;
  bool m_xyAxesReverse = false;
  QPointer<TiPlotEditorForm> m_editorForm;
  std::array<int, 14> m_editorPageIndexes{};
};
