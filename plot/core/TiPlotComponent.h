#pragma once

#include <array>
#include <memory>
#include <vector>

#include "platform/text/TFont.h"
#include "platform/pictures/TImageList.h"
#include "plot/annotations/TiPlotAnnotation.h"
#include "plot/base/TiCustomComponent.h"
#include "plot/core/TiPlotEvents.h"
#include "plot/core/TiPlotStoredSettings.h"
#include "plot/core/TiPlotTypes.h"
#include "plot/core/iPrintGeometry.h"
#include "plot/streaming/TiPlotDataLog.h"

class TiPlotAxis;
class TiPlotChannelCustom;
class TiPlotDataCursor;
class TiPlotDataView;
class TiPlotKindManager;
class TiPlotLayoutManager;
class TiPlotLabel;
class TiPlotLayoutObject;
class TiPlotLegend;
class TiPlotLimit;
class TiPlotMasterManager;
class TiPlotObject;
class TiPlotTable;
class TiPlotToolBar;
class TiPlotXAxis;
class TiPlotYAxis;
class TMetafile;
class TPicture;
class TPopupMenu;
class TPrinter;

/// Common base of the plot controls: owns the master manager (and through
/// it every plot object), offers the object interface of a plot (add,
/// delete, remove all, count, indexed and by-name access per kind), the
/// plot-wide settings, the per-kind object events with their dispatch
/// operations, the layout pass and the paint of what the plot holds.
///
/// Callers use one spelling: XAxis(i), YAxis(i), DataView(i) answer the
/// typed object; Min()/SetMin(), Span()/SetSpan(),
/// DesiredIncrement()/SetDesiredIncrement() on an axis. Kinds built
/// elsewhere are reached through Master() and their kind's manager
/// (Master().ChannelManager().ItemAs<T>(i)). Owned by its Qt parent; GUI
/// thread only (code changing data from another thread takes Lock()).
class TiPlotComponent : public TiCustomComponent, public TiPlotComponentEvents {
public:
  explicit TiPlotComponent(QWidget* parent = nullptr);
  ~TiPlotComponent() override;

  TiPlotMasterManager& Master() const { return *m_master; }
  TPopupMenu& PopupMenu() const { return *m_popupMenu; }

  // Objects by kind (the rest through Master()).
  int XAxisCount() const;
  int YAxisCount() const;
  int DataViewCount() const;
  /// Typed access; EPlotError for a bad index.
  TiPlotXAxis* XAxis(int index) const;
  TiPlotYAxis* YAxis(int index) const;
  TiPlotDataView* DataView(int index) const;
  int GetXAxisIndexByName(const QString& value) const;
  int GetYAxisIndexByName(const QString& value) const;
  int GetDataViewIndexByName(const QString& value) const;
  int AddXAxis();
  int AddYAxis();
  int AddDataView();
  /// Frees the object at index of a kind's manager (its removal is
  /// announced first), then repaints at once.
  void DeleteObject(TiPlotKindManager& manager, int index);
  void DeleteXAxis(int index);
  void DeleteYAxis(int index);
  void DeleteDataView(int index);
  /// Clears a kind's manager, then repaints at once.
  void RemoveAll(TiPlotKindManager& manager);
  void RemoveAllXAxes();
  void RemoveAllYAxes();
  void RemoveAllDataViews();
  /// Label 0 is the title: EPlotError "Label Index 0 can not be Deleted
  /// (Resevered for Title)" for index 0; other labels are freed.
  void DeleteLabel(int index);
  /// Frees label 1 while more than one label exists, so the title stays.
  void RemoveAllLabels();
  /// Index of an object in the manager of its kind; -1 when not held.
  int ObjectIndex(const TiPlotObject* object) const;

  // Utilities (TiPlotComponent_Utilities.cpp).
  /// The first object of the kind whose name equals value (letters a to z
  /// compared without case); nullptr when none does.
  TiPlotChannelCustom* GetChannelByName(const QString& value) const;
  TiPlotXAxis* GetXAxisByName(const QString& value) const;
  TiPlotYAxis* GetYAxisByName(const QString& value) const;
  TiPlotDataView* GetDataViewByName(const QString& value) const;
  TiPlotDataCursor* GetDataCursorByName(const QString& value) const;
  TiPlotLegend* GetLegendByName(const QString& value) const;
  TiPlotLabel* GetLabelByName(const QString& value) const;
  TiPlotLimit* GetLimitByName(const QString& value) const;
  TiPlotTable* GetTableByName(const QString& value) const;
  TiPlotToolBar* GetToolBarByName(const QString& value) const;
  TiPlotAnnotation* GetAnnotationByName(const QString& value) const;
  /// Appends the source channel's points startIndex to stopIndex, null and
  /// empty flags included, to the destination through its AddXY (so its X
  /// order check holds). The points are taken before any is added, so a
  /// channel copied into itself, even a full ring, repeats what it held.
  /// Nothing for stopIndex < startIndex; EPlotError "Start Index Must be 0
  /// or Greater" below 0 and "StopIndex Must Out Of Range" past the
  /// source's last point.
  void TransferChannelData(int sourceChannelIndex, int destinationChannelIndex, int startIndex, int stopIndex);
  /// The axis pixels of a mouse position: XAxisPixels := X and
  /// YAxisPixels := Y, swapped when XYAxesReverse is set.
  void SetMouseDataAxisPixels(TiPlotMouseData& mouseData) const;

  // Annotations and title (TiPlotComponent_Objects.cpp).
  TiPlotAnnotationDefaults& AnnotationDefaults() { return m_annotationDefaults; }
  TFont& AnnotationDefaultFont() { return m_annotationDefaultFont; }
  int AnnotationCount() const;
  /// EPlotError for a bad index.
  TiPlotAnnotation* Annotation(int index) const;
  /// A new annotation with the plot's annotation defaults; its index.
  int AddAnnotation();
  /// Label 0's caption, visibility, bottom margin and font; empty, false,
  /// 0 and the control's font without labels, where writing does nothing.
  QString TitleText() const;
  void SetTitleText(const QString& value);
  bool TitleVisible() const;
  void SetTitleVisible(bool value);
  double TitleMargin() const;
  void SetTitleMargin(double value);
  /// Label 0's font; the control's own font without labels.
  TFont& TitleFont();
  /// Switches tracking on (off) for every X and Y axis.
  void EnableAllTracking();
  void DisableAllTracking();
  /// The state of the first toolbar's Select button; false without toolbar.
  bool SelectModeActive() const;
  /// Toggles the first toolbar's Select button (with its click events)
  /// when value differs from its state; nothing without a toolbar.
  void SetSelectModeActive(bool value);
  // Layout.
  int DataViewZHorz() const;
  void SetDataViewZHorz(int value);
  int DataViewZVert() const;
  void SetDataViewZVert(int value);
  bool XYAxesReverse() const;
  void SetXYAxesReverse(bool value);
  bool UserCanEditObjects() const;
  void SetUserCanEditObjects(bool value);
  void DisableLayoutManager();
  void EnableLayoutManager();
  void RefreshLayoutManager();
  /// The layout pass: places every layout object around data view 0.
  void CalcLayout(TCanvas& canvas);
  /// Paints into a scratch bitmap, which lays everything out.
  void ReCalcLayout();
  /// The user picture lists 0 to 2 (labels and annotations draw from
  /// them); EPlotError "ImageList Index must be 0-2" for another index.
  TImageList& ImageList(int imageListIndex);
  void ImageListClear(int imageListIndex) { ImageList(imageListIndex).Clear(); }
  /// Appends a picture: the first sets the list's size; a smaller one is
  /// centred on the list's size in its transparent colour; one as wide or as
  /// high, or larger both ways, is kept; any other size is refused.
  void ImageListAdd(int imageListIndex, const TBitmap& bitmap);
  /// ImageListAdd of the bitmap in the application's resource ":/<name>"
  /// (or ":/<resID>"); EPlotError "Resource <name> not found", or the
  /// reason the picture does not load.
  void ImageListLoadFromResourceName(int imageListIndex, const QString& resName);
  void ImageListLoadFromResourceID(int imageListIndex, int resID);
  int OuterMarginLeft() const { return m_outerMarginLeft; }
  void SetOuterMarginLeft(int v) { SetIntegerProperty(v, m_outerMarginLeft, RepaintKind::Invalidate); }
  int OuterMarginTop() const { return m_outerMarginTop; }
  void SetOuterMarginTop(int v) { SetIntegerProperty(v, m_outerMarginTop, RepaintKind::Invalidate); }
  int OuterMarginRight() const { return m_outerMarginRight; }
  void SetOuterMarginRight(int v) { SetIntegerProperty(v, m_outerMarginRight, RepaintKind::Invalidate); }
  int OuterMarginBottom() const { return m_outerMarginBottom; }
  void SetOuterMarginBottom(int v) { SetIntegerProperty(v, m_outerMarginBottom, RepaintKind::Invalidate); }
  /// The visible objects of each side in the last layout pass.
  const std::vector<TiPlotLayoutObject*>& VisibleListLeft() const { return m_visibleLeft; }
  const std::vector<TiPlotLayoutObject*>& VisibleListRight() const { return m_visibleRight; }
  const std::vector<TiPlotLayoutObject*>& VisibleListTop() const { return m_visibleTop; }
  const std::vector<TiPlotLayoutObject*>& VisibleListBottom() const { return m_visibleBottom; }

  // Axes drawn inside the data view share one list of taken rectangles.
  void AddAxesCollisionRect(const TRect& rect) { m_axesCollisionList.push_back(rect); }
  /// Refuses a rectangle that meets a taken one or, once the list is not
  /// empty, does not lie wholly inside data view 0; else takes it.
  bool ReserveAxisLabelRect(const TRect& rect);
  void ClearAxesCollisionList() { m_axesCollisionList.clear(); }

  // Look and behaviour.
  bool BackGroundGradientEnabled() const { return m_gradientEnabled; }
  void SetBackGroundGradientEnabled(bool v) { SetBooleanProperty(v, m_gradientEnabled, RepaintKind::Invalidate); }
  TiFillDirection BackGroundGradientDirection() const { return m_gradientDirection; }
  void SetBackGroundGradientDirection(TiFillDirection value);
  TColor BackGroundGradientStartColor() const { return m_gradientStart; }
  void SetBackGroundGradientStartColor(TColor v) { SetColorProperty(v, m_gradientStart, RepaintKind::Invalidate); }
  TColor BackGroundGradientStopColor() const { return m_gradientStop; }
  void SetBackGroundGradientStopColor(TColor v) { SetColorProperty(v, m_gradientStop, RepaintKind::Invalidate); }
  bool ClipAnnotationsToAxes() const { return m_clipAnnotationsToAxes; }
  void SetClipAnnotationsToAxes(bool v) { SetBooleanProperty(v, m_clipAnnotationsToAxes, RepaintKind::Invalidate); }
  bool UserCanAddRemoveChannels() const { return m_userCanAddRemoveChannels; }
  void SetUserCanAddRemoveChannels(bool value) { m_userCanAddRemoveChannels = value; }
  bool HintsShow() const { return m_hintsShow; }
  void SetHintsShow(bool v) { SetBooleanProperty(v, m_hintsShow, RepaintKind::None); }
  int HintsPause() const { return m_hintsPause; }
  void SetHintsPause(int v) { SetIntegerProperty(v, m_hintsPause, RepaintKind::None); }
  int HintsHidePause() const { return m_hintsHidePause; }
  void SetHintsHidePause(int v) { SetIntegerProperty(v, m_hintsHidePause, RepaintKind::None); }
  TFont& HintsFont() { return m_hintsFont; }
  bool PaintingActive() const { return m_paintingActive; }

  // Input state the dispatch keeps; references are cleared when the
  // object is removed.
  TiPlotObject* MouseDownObject() const { return m_mouseDownObject; }
  void SetMouseDownObject(TiPlotObject* object) { m_mouseDownObject = object; }
  TiPlotObject* LastMouseOverObject() const { return m_lastMouseOverObject; }
  void SetLastMouseOverObject(TiPlotObject* object) { m_lastMouseOverObject = object; }
  TiPlotObject* LastMouseClickObject() const { return m_lastMouseClickObject; }
  void SetLastMouseClickObject(TiPlotObject* object) { m_lastMouseClickObject = object; }
  bool DBLClickActive() const { return m_dblClickActive; }
  void SetDBLClickActive(bool value) { m_dblClickActive = value; }

  /// Renders the plot: ticks and layout, background, the objects inside
  /// the data view by layer and kind, the outer objects, cursors, legends,
  /// tables and the hint box (TiPlotComponent_Paint.cpp).
  void iPaintTo(TCanvas& canvas) override;
  // Input dispatch (TiPlotComponent_Input.cpp): the object under the mouse
  // (or every user-selected one) gets the input.
  /// The object the mouse is over: a selected object first, then any
  /// other, then a data view or legend; a container answers its sub-object.
  TiPlotObject* GetObjectAtPoint(const TiPlotMouseData& mouseData);
  void iMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void iMouseMove(TShiftState shift, int x, int y) override;
  void iMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void iDoubleClick() override;
  bool iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos) override;
  void iKeyDown(WORD& key, TShiftState shift) override;
  void iWantSpecialKey(WORD& charCode, bool& result) override;
  const TiHintData& HintData() const { return m_hintData; }
  void HideHint();
  /// Ends loading: enables the layout manager and closes the update block.
  void Loaded() override;

  // Object notifications from the master manager.
  virtual void DoObjectInsert(TObject* object);
  virtual void DoObjectRemove(TObject* object);
  virtual void DoObjectChange() { InvalidateChange(); }

  // Dispatch of the per-kind events (TiPlotComponent_Events.cpp).
  void DoObjectMouseDown(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y);
  void DoObjectMouseMove(TiPlotObject* object, TShiftState shift, int x, int y);
  void DoObjectMouseUp(TiPlotObject* object, TMouseButton button, TShiftState shift, int x, int y);
  void DoObjectMouseWheel(TiPlotObject* object, int wheelDelta, TShiftState shift, int x, int y);
  /// OnDblClick... while a double click is active, else OnClick...; the
  /// double-click flag is cleared afterwards.
  void DoObjectClick(TiPlotObject* object);
  void DoObjectGetMouseCursor(TiPlotObject* object, TCursor& mouseCursor);
  void DoObjectGotFocus(TiPlotObject* object);
  void DoObjectLostFocus(TiPlotObject* object);
  void DoObjectPopupMenu(TiPlotObject* object, bool& cancel, int screenX, int screenY);
  void DoDataPointClick(TiPlotObject* channel, int dataIndex);
  void DoDataPointMouseDown(TiPlotObject* channel, int dataIndex, const TiPlotMouseData& data);
  void DoDataPointMouseMove(TiPlotObject* channel, int dataIndex, const TiPlotMouseData& data);
  void DoDataPointMouseUp(TiPlotObject* channel, int dataIndex, const TiPlotMouseData& data);
  void DoDataPointMoved(TiPlotObject* channel, int dataIndex, double oldX, double oldY, double newX, double newY);
  void DoDataPointCustomizeHint(TiPlotObject* channel, int dataIndex, QString& text);
  void DoAxisMinChange(TiPlotAxis* axis, double oldValue, double newValue);
  void DoAxisSpanChange(TiPlotAxis* axis, double oldValue, double newValue);
  void DoAxisMinSpanChange(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin, double newSpan);
  void DoAxisMinSpanChangeFinished(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin, double newSpan);
  /// Lets the owner rewrite an axis's value text; a handler may answer
  /// through its argument or through SetCustomizeLabelText.
  void DoAxisCustomizeLabel(TiPlotAxis* axis, QString& text, double value);
  void SetCustomizeLabelText(const QString& value) { m_tempCustomLabel = value; }
  void DoXAxisCustomizeHint(TiPlotObject* axis, QString& text);
  void DoYAxisCustomizeHint(TiPlotObject* axis, QString& text);
  void DoDataCursorCustomizeHint(TiPlotObject* cursor, QString& text);
  void DoToolBarCustomizeHint(TiPlotObject* toolBar, QString& text);
  void DoDataCursorChange(TiPlotObject* cursor);
  void DoBeforeDataCursorUpdate(TiPlotObject* cursor);
  void DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue);
  void DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue);
  void DoAnnotationCoordinatesChange(TiPlotObject* annotation);
  void DoAnnotationMoveUser(TiPlotObject* annotation);
  void DoAnnotationResizeUser(TiPlotObject* annotation);
  void DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation);
  /// Forwards one axis's input to every other axis of its kind, one level
  /// deep (a forwarding that is already running returns at once).
  void MasterAxisMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& data);
  void MasterAxisMouseMove(TiPlotAxis* axis, const TiPlotMouseData& data);
  void MasterAxisMouseUp(TiPlotAxis* axis, const TiPlotMouseData& data);
  void MasterAxisMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x, int y);
  void MasterAxisKeyDown(TiPlotAxis* axis, WORD& key, TShiftState shift);

  // Files (TiPlotComponent_Files.cpp; the formats in TiPlotPropertiesFile.h).
  QString ClassName() const override { return QStringLiteral("TiPlotComponent"); }
  const TiPropertyTable& PublishedProperties() const override;
  /// The plot configuration file; EPlotError "Error Saving Properties - "
  /// + the reason. Then LastPropertiesFileName and OnAfterSaveProperties.
  void SavePropertiesToFile(const QString& fileName) override;
  /// OnBeforeLoadProperties, then the file replaces the plot's objects and
  /// settings and removes its annotations; then LastPropertiesFileName and
  /// OnAfterLoadProperties. A file that is refused throws EPlotError "Error
  /// Loading Properties - " + the reason and changes nothing.
  void LoadPropertiesFromFile(const QString& fileName) override;
  /// EPlotError "Error Saving Annotations - " + the reason.
  void SaveAnnotationsToFile(const QString& fileName);
  /// Replaces the annotations; EPlotError "Error Loading Annotations - " +
  /// the reason, changing nothing.
  void LoadAnnotationsFromFile(const QString& fileName);
  void SaveTranslationsToFile(const QString& fileName);
  void LoadTranslationsFromFile(const QString& fileName);
  QString GetTranslationOriginalString(int index) const;
  QString GetTranslationReplacementString(int index) const;
  bool DifferentialPropertySave() const { return m_differentialPropertySave; }
  void SetDifferentialPropertySave(bool value) { m_differentialPropertySave = value; }
  QString LastPropertiesFileName() const { return m_lastPropertiesFileName; }
  /// Print, export, editor and dialog settings, stored with the plot.
  TiPlotStoredSettings& StoredSettings() { return m_storedSettings; }
  QString DefaultPropertyDirectory() const { return m_storedSettings.DefaultPropertyDirectory; }
  void SetDefaultPropertyDirectory(const QString& value) { m_storedSettings.DefaultPropertyDirectory = value; }
  QString DefaultAnnotationDirectory() const { return m_storedSettings.DefaultAnnotationDirectory; }
  void SetDefaultAnnotationDirectory(const QString& value) { m_storedSettings.DefaultAnnotationDirectory = value; }
  // Image export and clipboard (TiPlotComponent_Export.cpp). Copying
  // hides every toolbar and clears the selections while it paints; each
  // toolbar gets its own visibility back, also on an error.
  /// In StoredSettings().CopyToClipBoardFormat; EPlotError on failure.
  void CopyToClipBoard();
  /// A metafile picture of the plot, owned by the plot; the same object is
  /// overwritten by every call.
  TPicture& GetSnapShotPicture();
  /// Asks for a file name and saves the plot there: the name's last three
  /// letters (any case) choose BMP, EMF, JPEG (100, progressive) or PNG (9);
  /// any other name gets the chosen filter's extension appended. EPlotError
  /// when the file cannot be written.
  void Save();

  // Printing and preview (TiPlotComponent_Print.cpp). Pages go to the
  // current printer (Printer()), one span of X axis 0 per page, each the
  // plot's own painting scaled into the margins.
  /// Prints the range X axis 0 shows. A cancelled printer dialog prints
  /// nothing and fires nothing. Failures raise EPlotError "Error Printing
  /// : " + the reason (a plot without size or with margins that are no
  /// numbers before any page); the toolbars, X axis 0's Min and Span, the
  /// size and the outer margins are restored in every case.
  void PrintChart();
  /// Shows the print preview (TiPlotPreviewForm) modally.
  void PreviewChart();
  /// Height := the width scaled to the last job's paper; nothing before
  /// the first job.
  void PrintSizeToFillPage();
  /// Span of X axis 0 such that one printed millimetre is that many
  /// minutes, after the last job's paper height; nothing before the first
  /// job.
  void PrintAdjustXSpanToMinutesPerMillimeter(double minutesPerMillimeter);
  const TiPrinterPaper& PrinterPaper() const { return m_printerPaper; }
  TNotifyEvent OnBeforePrint;
  TiPlotPrintPageEvent OnBeforePrintPage;
  TNotifyEvent OnAfterPrint;

  // The run-time editor: opened (sender: the master manager) and about to
  // be destroyed (sender: the editor form).
  TNotifyEvent OnAfterOpenEditor;
  TNotifyEvent OnAfterCloseEditor;

  TNotifyEvent OnBeforeLoadProperties;
  TNotifyEvent OnAfterLoadProperties;
  TNotifyEvent OnAfterSaveProperties;

  // Data files, array feed and logging (TiPlotComponent_DataFiles.cpp,
  // TiPlotComponent_Logging.cpp). Channel i is column i of the files.
  TiPlotDataFileFormat DataFileFormat() const { return m_dataFileFormat; }
  /// EPlotError while logging, even for the current value.
  void SetDataFileFormat(TiPlotDataFileFormat value);
  TiPlotDataFileColumnSeparator DataFileColumnSeparator() const { return m_dataFileColumnSeparator; }
  /// EPlotError for a change while logging.
  void SetDataFileColumnSeparator(TiPlotDataFileColumnSeparator value);
  /// The separator's character: TAB or ",".
  QChar DataFileSeparator() const;
  QString DefaultDataDirectory() const { return m_storedSettings.DefaultDataDirectory; }
  void SetDefaultDataDirectory(const QString& value) { m_storedSettings.DefaultDataDirectory = value; }
  QString LastDataFileName() const { return m_lastDataFileName; }
  /// Writes every channel's points in DataFileFormat (temporary name, then
  /// rename); then LastDataFileName and OnAfterSaveData. EPlotError "Error
  /// Saving Data - " + the reason.
  void SaveDataToFile(const QString& fileName);
  /// Reads and checks the whole file, then appends its points to the
  /// channels (a refused file adds nothing, not even where a channel's X
  /// order check would fail part-way); then LastDataFileName and
  /// OnAfterLoadData. EPlotError "Error Loading Data - " + the reason; a
  /// log whose last row was cut short loads its whole rows and then throws
  /// that the last row was incomplete.
  void LoadDataFromFile(const QString& fileName);
  /// The editor's data "Load": reads and checks the whole file first, and
  /// only a file that loads ends logging, clears every channel and adds its
  /// points (then as LoadDataFromFile). A refused file changes nothing.
  void ReplaceDataFromFile(const QString& fileName);
  TNotifyEvent OnAfterLoadData;
  TNotifyEvent OnAfterSaveData;
  /// One row: value k to channel k at xValue (values between 1e-301 and
  /// 1e-300 add a null point, between 1e-302 and 1e-301 an empty one).
  /// "List index out of bounds (n)" when there are more values than
  /// channels, before any is added.
  void AddDataArray(double xValue, const std::vector<double>& data);
  /// A block: data[i] are channel i's samples, each at its last X + xStep
  /// (0 when empty); one row per sample column. "Data Array must be 1 or 2
  /// Dimensions" for rows of unequal length.
  void AddDataArray(double xStep, const std::vector<std::vector<double>>& data);
  QString LogFileName() const { return m_logFileName; }
  /// EPlotError for a different name while logging.
  void SetLogFileName(const QString& value);
  int LogBufferSize() const { return m_logBufferSize; }
  void SetLogBufferSize(int value) { SetIntegerProperty(value, m_logBufferSize, RepaintKind::None); }
  bool LoggingActive() const { return m_log.Active(); }
  /// Logging on: append to an existing log of DataFileFormat and this
  /// channel count, or start the file anew with its header. EPlotError
  /// "Log File Name not Defined", "Logging Already Active" or the file's
  /// reason; logging then stays off.
  void LogActivate(bool append);
  /// Writes the pending rows, then logging off; "Logging not Active". A
  /// failed write throws and keeps logging on with its rows.
  void LogDeactivate();
  /// Ends logging (writing what is pending), then clears every channel.
  void ClearAllData();
  /// The local date and time as days since 30 December 1899.
  static double GetNow();

  void Lock() override { TiCustomComponent::Lock(); }
  void Unlock() override { TiCustomComponent::Unlock(); }

private:
  template <typename F>
  void ForwardToOtherAxes(TiPlotAxis* axis, F&& f);
  void PaintBackGround(TCanvas& canvas);
  void DrawHintBox(TCanvas& canvas);
  void InternalTimerEvent();
  void RestartHintTimer(int interval);
  TiPlotMouseData MakeMouseData(TMouseButton button, TShiftState shift, int x, int y) const;
  void DrawOuterObjects(TCanvas& canvas);
  /// Keeps the log row of the last points of the first fedChannels
  /// channels (the others have none in it); flushes a full batch.
  void LogLastRow(int fedChannels, double xValue);
  /// Reads and checks a data file, then (replace: after clearing every
  /// channel) adds its points.
  void LoadDataFile(const QString& fileName, bool replace);
  void PrintJob(TPrinter& printer);
  void PrintToRect(TPrinter& printer, const TRect& target);

  std::unique_ptr<TiPlotMasterManager> m_master;
  std::unique_ptr<TPopupMenu> m_popupMenu;
  std::vector<TRect> m_axesCollisionList;
  std::array<TImageList, 3> m_imageLists;
  std::vector<TiPlotLayoutObject*> m_visibleLeft;
  std::vector<TiPlotLayoutObject*> m_visibleRight;
  std::vector<TiPlotLayoutObject*> m_visibleTop;
  std::vector<TiPlotLayoutObject*> m_visibleBottom;
  TFont m_hintsFont;
  TiPlotAnnotationDefaults m_annotationDefaults;
  TFont m_annotationDefaultFont;
  TiHintData m_hintData;
  int m_lastHintX = 0;
  int m_lastHintY = 0;
  TRect m_lastHintShowRect;
  TiPlotObject* m_lastHintObject = nullptr;
  bool m_hintShowing = false;
  bool m_mouseDown = false;
  bool m_selectingActive = false;
  TiPlotObject* m_mouseDownObject = nullptr;
  TiPlotObject* m_lastMouseOverObject = nullptr;
  TiPlotObject* m_lastMouseClickObject = nullptr;
  int m_outerMarginTop = 5;
  int m_outerMarginLeft = 5;
  int m_outerMarginRight = 5;
  int m_outerMarginBottom = 5;
  bool m_masterAxisBlock = false;
  bool m_userCanAddRemoveChannels = false;
  bool m_clipAnnotationsToAxes = true;
  bool m_hintsShow = true;
  int m_hintsPause = 500;
  int m_hintsHidePause = 2500;
  bool m_gradientEnabled = false;
  TColor m_gradientStart = 0xFF0000;
  TColor m_gradientStop = 0;
  TiFillDirection m_gradientDirection = TiFillDirection::ifdTopBottom;
  bool m_paintingActive = false;
  bool m_dblClickActive = false;
  QString m_tempCustomLabel;
  TiPlotStoredSettings m_storedSettings;
  std::unique_ptr<TMetafile> m_metaFile;
  std::unique_ptr<TPicture> m_snapShotPicture;
  bool m_differentialPropertySave = false;
  QString m_lastPropertiesFileName;
  TiPlotDataFileFormat m_dataFileFormat = TiPlotDataFileFormat::ipdffText;
  TiPlotDataFileColumnSeparator m_dataFileColumnSeparator = TiPlotDataFileColumnSeparator::ipdfcsTab;
  QString m_lastDataFileName;
  QString m_logFileName;
  int m_logBufferSize = 0;
  TiPlotDataLog m_log;
  // Printing.
  TiPrinterPaper m_printerPaper;
  double m_printXStart = 0;
  double m_printXStop = 0;
};
