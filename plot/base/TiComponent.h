#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QString>
#include <QVariant>

#include "platform/text/TFont.h"
#include "platform/widgets/TCustomControl.h"
#include "plot/base/TiUpdateObject.h"
#include "plot/base/iPlotTypes.h"
#include "plot/streaming/TiPlotPropertyRegistry.h"

class TBitmap;

using TiPaintEvent = std::function<void(TObject* Sender, TCanvas& Canvas)>;
using TGetDesigningEvent = std::function<void(TObject* Sender, bool& Designing)>;
/// A property of the control changed (PropName: its published name).
using TChangePropertyEvent = std::function<void(TObject* Sender, const QString& PropName)>;
/// Asked before a user edit of a property; clearing CanEdit vetoes it.
using TRequestEditEvent = std::function<void(TObject* Sender, const QString& PropName, bool& CanEdit)>;

/// Root of the plot library's controls. It never draws straight to its
/// window: every paint renders the whole control through iPaintTo into a
/// fresh off-screen bitmap under Lock, which is then copied to the window;
/// an error raised while rendering is shown inside the image. Around that:
/// the change-and-repaint protocol (update blocks, a frame-rate throttle on
/// a monotonic clock, the global update timer that carries out throttled
/// repaints), input routed to the overridable i-hooks, the border and
/// background. Owned by its Qt parent; GUI thread only (other threads that
/// touch a plot's data take Lock/Unlock).
class TiComponent : public TCustomControl, public IiUpdateControl {
public:
  explicit TiComponent(QWidget* parent = nullptr);
  ~TiComponent() override;

  // Change protocol.
  /// Repaints now and records the time.
  void InvalidateNow() override;
  /// Repaints when the throttle allows it (always without AutoFrameRate
  /// or with a frame rate of 0).
  void InvalidateIfDue();
  /// Records a repaint inside an update block; otherwise repaints now or,
  /// with AutoFrameRate, when due.
  void InvalidateChange();
  /// Opens a group of changes that happen at one instant, such as a channel
  /// adding a point (its own change and those of the axes tracking it):
  /// until the outermost group closes, InvalidateChange only counts them;
  /// closing carries them out with one reading of the clock. Groups nest;
  /// TiChangeGroup closes one however its scope ends.
  void BeginChangeGroup() { ++m_changeGroupDepth; }
  void EndChangeGroup();
  /// Marks the background for redrawing, then InvalidateChange.
  void BackGroundChange();
  void ApplyRepaint(RepaintKind kind);
  virtual void RepaintAll() { BackGroundChange(); }
  /// Opens an update block (blocks do not nest).
  virtual void BeginUpdate() { m_updateActive = true; }
  /// Closes the block and carries out a recorded repaint when due.
  virtual void EndUpdate();

  bool AutoFrameRate() const { return m_autoFrameRate; }
  /// On: BackGroundChange. Off: EndUpdate (closing an open block).
  void SetAutoFrameRate(bool value);
  int UpdateFrameRate() const { return m_updateFrameRate; }
  void SetUpdateFrameRate(int value);

  // IiUpdateControl.
  bool GetUpdateActive() const override { return m_updateActive; }
  bool GetNeedsRepaint() const override { return m_needsRepaint; }
  int GetUpdateFrameRate() const override { return m_updateFrameRate; }
  std::int64_t GetLastUpdate() const override { return m_lastUpdate; }

  // Look.
  TColor BackGroundColor() const { return m_backGroundColor; }
  virtual void SetBackGroundColor(TColor value) { SetColorProperty(value, m_backGroundColor, RepaintKind::BackGround); }
  TiBevelStyle BorderStyle() const { return m_borderStyle; }
  virtual void SetBorderStyle(TiBevelStyle value);
  bool CachedDrawing() const { return m_cachedDrawing; }
  virtual void SetCachedDrawing(bool value);
  bool BackGroundChanged() const { return m_backGroundChanged; }
  virtual TPoint GetCenterPoint() const;
  int OffsetX() const { return m_offsetX; }
  int OffsetY() const { return m_offsetY; }
  bool HasFocus() const { return m_hasFocus; }
  bool UserGenerated() const { return m_userGenerated; }
  /// The inherited behaviour, then BackGroundChange.
  void SetEnabled(bool value) override;
  /// The background image of the control's size, created on first use.
  TBitmap& GetBackGroundBitmap();

  // Error state.
  bool ErrorActive() const { return m_errorActive; }
  void SetErrorActive(bool value) { SetBooleanProperty(value, m_errorActive, RepaintKind::BackGround); }
  QString ErrorText() const { return m_errorText; }
  void SetErrorText(const QString& value) { m_errorText = value; }
  TFont& ErrorFont() { return m_errorFont; }
  TColor ErrorBackGroundColor() const { return m_errorBackGroundColor; }
  void SetErrorBackGroundColor(TColor value) { m_errorBackGroundColor = value; }

  // State.
  /// True while loading (SetLoading) so that no plot event fires.
  bool IsLoading() const { return m_loading; }
  void SetLoading(bool value) { m_loading = value; }
  /// Design-time state: false here, passed through OnGetDesigning.
  bool GetDesigning() const;

  /// Renders the control into a new bitmap of its size and saves it as a
  /// BMP file; false with an error text when saving fails.
  bool SaveImageToBitmap(const QString& fileName, QString* error = nullptr);

  // Properties file (plot/streaming/TiComponent_Properties.cpp): "File Type = " and the
  // class name, then one "Name = value" line per published property.
  bool OptionSaveAllProperties() const { return m_optionSaveAllProperties; }
  /// Also writes the common control properties (bounds, Visible, ...).
  void SetOptionSaveAllProperties(bool value) { m_optionSaveAllProperties = value; }
  /// The file is written to a temporary name and renamed into place;
  /// EPlotError "Error Saving Properties - " + the reason, the previous
  /// file left as it was.
  virtual void SavePropertiesToFile(const QString& fileName);
  /// Applies the file's lines inside an update block. A file that cannot be
  /// read, or whose values do not convert, throws EPlotError "Error Loading
  /// Properties - " + the reason before anything changes.
  virtual void LoadPropertiesFromFile(const QString& fileName);
  /// The type kind of the published property of that (dotted) name;
  /// tkUnknown when there is none.
  TiPropertyKind GetPropertyKind(const QString& name) const;
  /// The class name the properties file starts with.
  virtual QString ClassName() const { return QStringLiteral("TiComponent"); }
  /// The published properties of the control's class.
  virtual const TiPropertyTable& PublishedProperties() const { return TiPlotPropertyRegistry::ComponentProperties(); }

  /// Renders the whole control onto the canvas (its top-left at 0, 0).
  virtual void iPaintTo(TCanvas& canvas) = 0;
  /// The data lock held for every paint and export.
  virtual void Lock() = 0;
  virtual void Unlock() = 0;
  virtual bool InternalTimerActive() const = 0;
  virtual void InternalTimerStart(int initialDelay, int interval) = 0;
  virtual void InternalTimerStop() = 0;
  /// A published property changed and may be sent to bound OPC items;
  /// answers whether it was sent (nothing is bound here).
  virtual bool OPCOutputData(const QString&, const QVariant&) { return false; }

  TiPaintEvent OnPaint;
  TGetDesigningEvent OnGetDesigning;
  /// Fired by the editor's check box and radio group when their value changed.
  TChangePropertyEvent OnChangeProtected;
  /// Lets the owner veto an edit of a property (asked by the check box).
  TRequestEditEvent OnRequestEdit;

protected:
  /// Fills the control with color and draws the border.
  virtual void DrawBackGround(TCanvas& canvas, TColor color);
  virtual void DrawBorder(TCanvas& canvas);

  // Input hooks, empty here.
  virtual void iDoSetFocus();
  virtual void iDoKillFocus();
  virtual void iWantSpecialKey(WORD& charCode, bool& result);
  virtual void iKeyUp(WORD& key, TShiftState shift);
  virtual void iKeyDown(WORD& key, TShiftState shift);
  virtual void iKeyPress(QChar& key);
  virtual void iMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void iMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void iMouseMove(TShiftState shift, int x, int y);
  virtual void iDoubleClick();
  virtual bool iMouseWheel(int wheelDelta, TShiftState shift, TPoint mousePos);

  /// Setter helpers: store a changed value and apply the repaint kind.
  void SetBooleanProperty(bool value, bool& field, RepaintKind kind);
  void SetIntegerProperty(int value, int& field, RepaintKind kind);
  void SetColorProperty(TColor value, TColor& field, RepaintKind kind);

  void Paint() override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(QChar& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void DblClick() override;

  std::unique_ptr<TBitmap>& BackGroundBitmapSlot() { return m_backGroundBitmap; }

private:
  /// Sets UserGenerated for the duration of an input handler.
  template <typename F>
  void AsUserInput(F&& handler);
  void PaintOffScreen();

  bool m_updateActive = false;
  int m_updateFrameRate = 60;
  /// 1 s / m_updateFrameRate, the throttle's interval (0 at rate 0).
  std::int64_t m_framePeriodNs = 1'000'000'000 / 60;
  std::int64_t m_lastUpdate = 0;
  bool m_needsRepaint = false;
  int m_changeGroupDepth = 0;
  int m_groupedChanges = 0;
  std::unique_ptr<TBitmap> m_backGroundBitmap;
  TColor m_backGroundColor = clBtnFace;
  bool m_backGroundChanged = true;
  TiBevelStyle m_borderStyle = TiBevelStyle::ibsNone;
  int m_offsetX = 0;
  int m_offsetY = 0;
  bool m_hasFocus = false;
  bool m_autoFrameRate = false;
  bool m_loading = false;
  bool m_cachedDrawing = true;
  bool m_optionSaveAllProperties = false;
  bool m_userGenerated = false;
  bool m_errorActive = false;
  QString m_errorText = QStringLiteral("Error");
  TColor m_errorBackGroundColor = 0;
  TFont m_errorFont;
};
