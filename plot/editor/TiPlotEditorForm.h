#pragma once

#include <functional>
#include <memory>

#include "platform/widgets/ControlRegistry.h"
#include "plot/core/TiPlotTypes.h"
#include "plot/editor/TiComponentEditorValueConverterPicker.h"
#include "plot/editor/TiCustomEditorForm.h"
#include "plot/editor/iPlotEditorBinding.h"

class QWidget;
class TiComponentEditorButton;
class TiComponentEditorComboBox;
class TiComponentEditorListBox;
class TiComponentEditorPageControl;
class TiPlotComponent;
class TiPlotKindManager;
class TiPlotLayoutObject;
class TiPlotLayoutViewer;
class TiPlotMasterManager;
class TiPlotObject;
class TMenuItem;
class TPopupMenu;

/// "Plot": the run-time property editor of a plot. One page per kind of
/// plot object (a list of the objects, their properties on sub-pages built
/// from binding tables, iPlotEditorBinding.h) plus the Control page (the
/// plot control's own settings, files and logging) and the Layout page
/// (the layout viewer with its menu). Every change a user makes is written
/// into the plot at once; no Cancel exists. The plot's master manager
/// creates, fills and shows it and keeps its lists in step with the plot
/// (TiPlotMasterManager_Editor.cpp); the form creates objects only through
/// the master manager. Owned by the plot control (its Qt parent). GUI
/// thread only; handlers are re-entered from the master manager's
/// notifications, so each reads the list selection anew.
class TiPlotEditorForm : public TiCustomEditorForm {
public:
  explicit TiPlotEditorForm(QWidget* parent = nullptr);
  ~TiPlotEditorForm() override;

  TiPlotMasterManager* Master() const { return m_master; }
  /// Binds the form to a master manager (before any fill).
  void SetMaster(TiPlotMasterManager* value) { m_master = value; }
  TiPlotComponent* PlotComponent() const { return m_plotComponent; }
  void SetPlotComponent(TiPlotComponent* value) { m_plotComponent = value; }
  bool IsClosing() const { return m_isClosing; }
  /// Shown with the stay-on-top hint: every activation runs UpdateAll.
  bool StayOnTop() const { return m_stayOnTop; }
  void SetStayOnTop(bool value);

  /// Every named control of the form, by its name.
  const ControlRegistry& Controls() const { return m_controls; }
  ControlRegistry& Controls() { return m_controls; }
  template <class T>
  T* Control(const QString& name) const {
    return m_controls.Find<T>(name);
  }
  TiComponentEditorPageControl& PageControl() const { return *m_pageControl; }
  TiPlotLayoutViewer& LayoutViewer() const { return *m_layoutViewer; }
  TPopupMenu& LayoutPopupMenu() const { return *m_layoutPopupMenu; }
  /// FRightClickObject: the layout object under the last press on the viewer.
  TiPlotLayoutObject* RightClickObject() const { return m_rightClickObject; }
  /// Drops every reference the form keeps to an object leaving the plot.
  void ForgetObject(TObject* object);

  // The object lists.
  TiComponentEditorListBox& ChannelListBox() const { return *m_channelListBox; }
  TiComponentEditorListBox& DataCursorListBox() const { return *m_dataCursorListBox; }
  TiComponentEditorListBox& LimitListBox() const { return *m_limitListBox; }
  TiComponentEditorListBox& LabelListBox() const { return *m_labelListBox; }
  TiComponentEditorListBox& XAxisListBox() const { return *m_xAxisListBox; }
  TiComponentEditorListBox& YAxisListBox() const { return *m_yAxisListBox; }
  TiComponentEditorListBox& LegendListBox() const { return *m_legendListBox; }
  TiComponentEditorListBox& TableListBox() const { return *m_tableListBox; }
  TiComponentEditorListBox& ToolBarListBox() const { return *m_toolBarListBox; }
  TiComponentEditorListBox& DataViewListBox() const { return *m_dataViewListBox; }
  /// The list of a kind (both channel kinds share one); nullptr for kinds
  /// without a list (annotations).
  TiComponentEditorListBox* ListOfKind(TiPlotObjectKind kind) const;
  /// The page (tab sheet) showing a kind; nullptr for kinds without one.
  QWidget* PageOfKind(TiPlotObjectKind kind) const;
  /// Runs the fill operation of a kind's page.
  void UpdateKindEdit(TiPlotObjectKind kind);

  /// The fills in the order toolbar, legend, X axes, Y axes, channels,
  /// data view, cursors, limits, labels, tables.
  void UpdateAll();
  void UpdateToolBarEdit();
  void UpdateLegendEdit();
  void UpdateXAxesEdit();
  void UpdateYAxesEdit();
  void UpdateChannelEdit();
  void UpdateDataViewEdit();
  void UpdateDataCursorEdit();
  void UpdateLimitEdit();
  void UpdateLabelEdit();
  void UpdateTableEdit();
  // The applies: the whole page into the selected object, then the page's refresh.
  void ChannelChange();
  void DataCursorChange();
  void LimitChange();
  void LabelChange();
  void XAxisChange();
  void YAxisChange();
  void LegendChange();
  void TableChange();
  void ToolBarChange();
  void DataViewChange();

  void DisableControls(const QString& prefix);
  void EnableControls(const QString& prefix);
  /// The translation method of every value converter picker of the form.
  void SetFormTranslationMethod(const TFormTranslationMethod& value);

  // List handlers.
  void ChannelListBoxClick();
  void DataCursorListBoxClick();
  void LimitListBoxClick();
  void LabelListBoxClick();
  void XAxisListBoxClick();
  void YAxisListBoxClick();
  void LegendListBoxClick();
  void TableListBoxClick();
  void ToolBarListBoxClick();
  void DataViewListBoxClick();
  void ChannelListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void DataCursorListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void LimitListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void LabelListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void XAxisListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void YAxisListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void LegendListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void TableListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void ToolBarListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);
  void DataViewListBoxGetData(int index, bool& drawColorBox, TColor& color, QString& text);

  // Add and Remove buttons.
  void XAxesAddButtonClick();
  void YAxesAddButtonClick();
  void iChannelAddButtonClick();
  void iDataCursorAddButtonClick();
  void iLimitAddButtonClick();
  void iLabelAddButtonClick();
  void iTableAddButtonClick();
  void XAxisRemoveButtonClick();
  void YAxisRemoveButtonClick();
  void ChannelRemoveButtonClick();
  void DataCursorRemoveButtonClick();
  void LimitRemoveButtonClick();
  void LabelRemoveButtonClick();
  void TableRemoveButtonClick();

  // Name lists (sender: the combo box to fill).
  void XAxisNameComboBoxDropDown(TObject* sender);
  void YAxisNameComboBoxDropDown(TObject* sender);
  void DataViewGridXAxisNameComboBoxDropDown(TObject* sender);
  void DataViewGridYAxisNameComboBoxDropDown(TObject* sender);
  void ChannelNameComboBoxDropDown(TObject* sender);
  void DataCursorChannelNameComboBoxDropDown(TObject* sender);
  /// The handler of a name list run on comboBox.
  void FillNameList(TiComponentEditorComboBox& comboBox, TiEditorNameList list);
  /// NotifyRename's mirroring: every listed combo box whose text is
  /// oldName is refilled from its list and set to newName.
  void RenameInNameLists(const QStringList& comboBoxNames, TiEditorNameList list, const QString& oldName,
                         const QString& newName);

  // Control page.
  void GeneralChanged();
  void TitleChange();
  void ControlPropertiesOpenPickerChange();
  void ControlPropertiesSavePickerChange();
  void ControlDataOpenPickerChange();
  void ControlDataSavePickerChange();
  void ControlAnnotationOpenPickerChange();
  void ControlAnnotationSavePickerChange();
  void ControlLogFileNamePickerChange();
  void ControlLogActivateButtonClick();
  void ControlLogDeactivateButtonClick();
  /// The Control page's bound controls (without the Title sub-page).
  const TiEditorBoundPage& ControlBoundPage() const { return m_controlPage; }
  const TiEditorBoundPage& TitleBoundPage() const { return m_titlePage; }
  /// The Title sub-page's controls bound to the plot control (TitleText ...).
  const TiEditorBoundPage& TitlePlotView() const { return m_titlePlotView; }

  // Channels page (page-specific handlers).
  void ChannelLogActivateButtonClick();
  void ChannelLogDeactivateButtonClick();
  void ChannelLogFileNamePickerChange();
  void ChannelPropertiesOpenPickerChange();
  void ChannelPropertiesSavePickerChange();
  void ChannelDataOpenPickerChange();
  void ChannelDataSavePickerChange();
  void ChannelStatsRefreshButtonClick();
  void ClearChannelStats();
  void RefreshChannelStats();
  // Axes pages (page-specific handlers).
  void XAxisCursorCopyDefaultButtonClick();
  void XAxisLegendCopyDefaultButtonClick();
  void YAxisCursorCopyDefaultButtonClick();
  void YAxisLegendCopyDefaultButtonClick();

  // Layout page.
  void iPlotLayoutViewerMouseDown(int x, int y);
  void iPlotLayoutViewerChange();
  void LayoutPopupMenuPopup();
  void XYAxesReverseMenuItemClick();
  void AddXAxisMenuItemClick();
  void AddYAxisMenuItemClick();
  void AddLabelMenuItemClick();
  void DeleteMenuItemClick();
  void VisibleMenuItemClick();
  void EditMenuItemClick();

  void FormCreate();
  /// The form's own OnClose handler: IsClosing is set from here on.
  void iCustomEditorFormClose(TObject* sender, TCloseAction& action);

  // Helpers for the pages.
  /// The area of a page beside its list (or the whole page for pages with
  /// a hidden list) and its size; a binding page is built inside it.
  QWidget* ObjectPageArea(QWidget* page, bool besideList, int& width, int& height);
  /// Builds a binding table on an object page; its controls apply through
  /// change (errors shown, then the page refilled by fill).
  TiEditorBoundPage BuildObjectPage(QWidget* page, bool besideList, const TiEditorPageTable& table,
                                    std::function<void()> change, std::function<void()> fill);
  TiEditorPageHooks Hooks(std::function<void()> change, std::function<void()> fill);
  /// The fill steps: name lists first; no selection disables the page's
  /// controls (prefix); else enables them and fills from the selected
  /// object, which is answered (nullptr without selection).
  TiPlotObject* FillObjectPage(TiComponentEditorListBox& list, const TiEditorBoundPage& page);
  /// The apply steps: nothing without selection (answers nullptr); else
  /// writes the page into the selected object and answers it.
  TiPlotObject* ApplyObjectPage(TiComponentEditorListBox& list, const TiEditorBoundPage& page);
  /// The object selected in list, or nullptr.
  static TiPlotObject* SelectedObject(const TiComponentEditorListBox& list);

protected:
  bool event(QEvent* event) override;

private:
  void BuildPages();
  void BuildLists();
  void BuildAddRemoveButtons();
  TiComponentEditorButton* AddButton(QWidget* page, const QString& name, const QString& caption, int left, int top,
                                     std::function<void()> click);
  /// Runs a user's action; an error is shown, then fill refills the page.
  void RunAction(const std::function<void()>& action, const std::function<void()>& fill);
  /// Add button: the master's add, then select the last item and fill.
  void AddObject(const std::function<void()>& add, TiComponentEditorListBox& list,
                 const std::function<void()>& fill);
  void RemoveSelected(TiComponentEditorListBox& list, const std::function<void()>& fill);
  /// Frees a plot object through its manager, which takes it out of the plot.
  void FreePlotObject(TiPlotObject* object);
  TiPlotKindManager* ManagerOfList(TiEditorNameList list) const;

  // Page builders, one file each.
  void BuildControlPage(QWidget* page);
  void BuildLayoutPage(QWidget* page);
  void BuildChannelsPage(QWidget* page);
  void BuildCursorsPage(QWidget* page);
  void BuildLimitsPage(QWidget* page);
  void BuildLabelsPage(QWidget* page);
  void BuildXAxesPage(QWidget* page);
  void BuildYAxesPage(QWidget* page);
  void BuildLegendPage(QWidget* page);
  void BuildTablesPage(QWidget* page);
  void BuildToolBarPage(QWidget* page);
  void BuildDataViewPage(QWidget* page);
  void BuildControlFileButtons(QWidget* page);
  /// The Control page from the plot again (after a write it refused).
  void RefillControlPage();
  void BuildLayoutPopupMenu();

  TiPlotMasterManager* m_master = nullptr;
  TiPlotComponent* m_plotComponent = nullptr;
  bool m_isClosing = false;
  bool m_stayOnTop = false;
  TiPlotLayoutObject* m_rightClickObject = nullptr;
  ControlRegistry m_controls;
  TiComponentEditorPageControl* m_pageControl = nullptr;
  TiPlotLayoutViewer* m_layoutViewer = nullptr;
  std::unique_ptr<TPopupMenu> m_layoutPopupMenu;
  TMenuItem* m_xyAxesReverseMenuItem = nullptr;
  TMenuItem* m_deleteMenuItem = nullptr;
  TMenuItem* m_visibleMenuItem = nullptr;
  TMenuItem* m_editMenuItem = nullptr;

  QWidget* m_controlTabSheet = nullptr;
  QWidget* m_layoutTabSheet = nullptr;
  QWidget* m_channelsTabSheet = nullptr;
  QWidget* m_dataCursorTabSheet = nullptr;
  QWidget* m_limitTabSheet = nullptr;
  QWidget* m_labelTabSheet = nullptr;
  QWidget* m_xAxesTabSheet = nullptr;
  QWidget* m_yAxesTabSheet = nullptr;
  QWidget* m_legendTabSheet = nullptr;
  QWidget* m_tablesTabSheet = nullptr;
  QWidget* m_toolBarTabSheet = nullptr;
  QWidget* m_dataViewTabSheet = nullptr;

  TiComponentEditorListBox* m_channelListBox = nullptr;
  TiComponentEditorListBox* m_dataCursorListBox = nullptr;
  TiComponentEditorListBox* m_limitListBox = nullptr;
  TiComponentEditorListBox* m_labelListBox = nullptr;
  TiComponentEditorListBox* m_xAxisListBox = nullptr;
  TiComponentEditorListBox* m_yAxisListBox = nullptr;
  TiComponentEditorListBox* m_legendListBox = nullptr;
  TiComponentEditorListBox* m_tableListBox = nullptr;
  TiComponentEditorListBox* m_toolBarListBox = nullptr;
  TiComponentEditorListBox* m_dataViewListBox = nullptr;

  // The bound pages.
  TiEditorBoundPage m_controlPage;
  TiEditorBoundPage m_titlePage;
  /// The Title sub-page's controls bound to the plot's title properties.
  TiEditorBoundPage m_titlePlotView;
  TiEditorBoundPage m_channelPage;
  TiEditorBoundPage m_dataCursorPage;
  TiEditorBoundPage m_limitPage;
  TiEditorBoundPage m_labelPage;
  TiEditorBoundPage m_xAxisPage;
  TiEditorBoundPage m_yAxisPage;
  TiEditorBoundPage m_legendPage;
  TiEditorBoundPage m_tablePage;
  TiEditorBoundPage m_toolBarPage;
  TiEditorBoundPage m_dataViewPage;
};
