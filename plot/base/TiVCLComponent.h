#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "plot/base/TiComponent.h"
#include "plot/base/TiThemeCategoryList.h"

class TJPEGImage;
class TMetafile;
class TTimer;
class TiOPCItem;
class TiOPCItemManager;

/// Incoming OPC data: the item's index in the control's item list.
using TIndexObjectEvent = std::function<void(int Index)>;
/// Before incoming OPC data is applied; the handler may change Data.
using TBeforeOPCNewDataEvent = std::function<void(int Index, QVariant& Data)>;

/// The windowed layer under every plot library control: the data lock
/// (a recursive mutex, skipped while the control is destroyed), one
/// internal timer with an initial delay, focus, key and wheel routing to
/// the i-hooks, optional transparency through a captured image of the
/// parent, and painting into a foreign canvas. Owned by its Qt parent; GUI
/// thread, except Lock/Unlock, which any thread may take around data
/// changes.
class TiVCLComponent : public TiComponent {
public:
  explicit TiVCLComponent(QWidget* parent = nullptr);
  ~TiVCLComponent() override;

  void Lock() override;
  void Unlock() override;

  bool InternalTimerActive() const override;
  /// Starts the one internal timer: after initialDelay (when not 0), then
  /// every interval; nothing while it runs or when both are 0.
  void InternalTimerStart(int initialDelay, int interval) override;
  void InternalTimerStop() override;

  bool Transparent() const override { return m_transparent; }
  virtual void SetTransparent(bool value);
  void RepaintAll() override;

  /// Unchanged bounds do nothing; otherwise resizes the bitmaps and
  /// redraws the background.
  void SetBounds(int left, int top, int width, int height) override;

  /// Paints the whole control into canvas with its top-left at (x, y),
  /// clipped to its size, without the cached background; with transparent
  /// the background is left out so the canvas's content shows through.
  void iPaintToDC(int x, int y, bool transparent, TCanvas& canvas);

  // Image export: each paints the whole control at its size with iPaintTo
  // (never the screen). Bad compression arguments raise EPlotError with the
  // range text before anything is made; file and encoder failures raise
  // EPlotError with the reason, and a file is written whole or not at all.
  void SaveImageToMetaFile(const QString& fileName);
  /// Compression is the JPEG quality 1..100.
  void SaveImageToJPEG(const QString& fileName, int compression, bool progressive);
  /// Compression is the zlib level 0..9.
  void SaveImageToPNG(const QString& fileName, int compression);
  /// The whole encoded file; hold the control's Lock throughout, so any
  /// thread may call them while another changes data under the Lock.
  QByteArray GetBytesJPEG(int compression, bool progressive);
  QByteArray GetBytesPNG(int compression);
  /// A new compressed JPEG picture of the control.
  std::unique_ptr<TJPEGImage> MakeJPEGImage(int compression, bool progressive);

  // Themes (TiVCLComponent_Themes.cpp): named schemes of property values
  // grouped in categories, from the library's file <dir>/<class>.xml and
  // the user's <dir>/<class>User.xml, the directories being the values
  // "Vivove Defined Theme Path" and "User Defined Theme Path" of the
  // settings key SOFTWARE\Vivove\Themes (local machine, replaced by a
  // non-empty current-user value). A file without a directory is not read.
  /// Discards the loaded categories and loads both files where they exist;
  /// EPlotError "Error Loading Scheme. XML File Malformed" for a broken
  /// file, keeping what was read before.
  void LoadThemes();
  int GetThemeCategoryCount() const { return m_themes.Count(); }
  /// Bad indexes raise EPlotError "List index out of bounds (i)".
  QString GetThemeCategoryName(int categoryIndex) const;
  int GetThemeCategorySchemeCount(int categoryIndex) const;
  QString GetThemeCategorySchemeName(int categoryIndex, int schemeIndex) const;
  bool GetThemeCategorySchemeIsUser(int categoryIndex, int schemeIndex) const;
  /// Sets the scheme's properties on the control by their dotted names,
  /// in order; a value that does not convert raises EPlotError and leaves
  /// the earlier lines applied.
  void ApplyScheme(int categoryIndex, int schemeIndex);

  TNotifyEvent OnInternalTimer;

  // OPC items (TiVCLComponent_Opc.cpp): published properties bound by name
  // to OPC server values. Incoming values are applied on the GUI thread;
  // bad quality changes no property, a value that does not convert for the
  // property's kind leaves it as it was, and OnNewOPCData fires either
  // way. Index errors raise EPlotError "List index out of bounds (i)".
  TiOPCItemManager& OPCItemManager() const { return *m_opcItemManager; }
  int OPCAddItem();
  int OPCItemCount() const;
  void OPCRemoveAllItems();
  void OPCDeleteItem(int index);
  void OPCItemActivate(int index);
  void OPCItemDeactivate(int index);
  void OPCItemUpdateResume(int index);
  void OPCItemUpdateSuspend(int index);
  void OPCItemLoaded(int index);
  void SetOPCItemData(int index, const QVariant& value);
  void SetOPCItemComputerName(int index, const QString& value);
  void SetOPCItemServerName(int index, const QString& value);
  void SetOPCItemItemName(int index, const QString& value);
  void SetOPCItemPropertyName(int index, const QString& value);
  void SetOPCItemAutoConnect(int index, bool value);
  void SetOPCItemUpdateRate(int index, int value);
  QString GetOPCItemComputerName(int index) const;
  QString GetOPCItemServerName(int index) const;
  QString GetOPCItemItemName(int index) const;
  QString GetOPCItemPropertyName(int index) const;
  bool GetOPCItemAutoConnect(int index) const;
  int GetOPCItemUpdateRate(int index) const;
  QVariant GetOPCItemData(int index) const;
  std::uint16_t GetOPCItemQuality(int index) const;
  double GetOPCItemTimeStamp(int index) const;
  /// A property changed: sent to every active item bound to it, unless
  /// the change came from OPC data (that is never echoed).
  bool OPCOutputData(const QString& propertyName, const QVariant& value) override;
  /// Lets a descendant take an incoming value itself (true: taken).
  virtual bool OPCNewDataSpecial(const QString&, const QVariant&) { return false; }
  TIndexObjectEvent OnNewOPCData;
  TBeforeOPCNewDataEvent OnBeforeNewOPCData;

protected:
  void DrawBackGround(TCanvas& canvas, TColor color) override;
  /// Nothing is erased: all painting goes through the off-screen image.
  void PaintBackground() override {}
  void ColorChanged() override { BackGroundChange(); }
  void DoEnter() override;
  void DoExit() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, QPoint mousePos) override;
  void WndProc(TMessage& message) override;

  /// Sizes metafile to the control and paints it there with the creator
  /// "Vivove" and description.
  void PaintToMetafile(TMetafile& metafile, const QString& description);
  /// A bitmap of the control's size painted under the Lock.
  std::unique_ptr<TBitmap> RenderBitmap();

private:
  void InvalidateTransparency();
  void CaptureParentImage();
  void TimerTick();

  std::recursive_mutex m_dataLock;  // guards: the plot's data while painting or exporting
  bool m_destroying = false;
  std::unique_ptr<TTimer> m_timer;
  bool m_timerFirstMessage = false;
  int m_timerInterval = 0;
  bool m_paintDCTransparent = false;
  bool m_transparent = false;
  bool m_needsTransparentCapture = false;
  std::unique_ptr<TBitmap> m_transparentBitmap;
  TiThemeCategoryList m_themes;
  // OPC items.
  void CreateOPCItemManager();
  void OPCNewData(TiOPCItem& item);
  std::unique_ptr<TiOPCItemManager> m_opcItemManager;
  bool m_opcIncomingActive = false;
};
