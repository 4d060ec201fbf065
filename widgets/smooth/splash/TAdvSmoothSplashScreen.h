#pragma once

#include <functional>
#include <memory>

#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>

#include "platform/core/TObject.h"
#include "platform/widgets/TForm.h"
#include "widgets/gdiplus/GdiPlusTypes.h"
#include "widgets/smooth/TStylePreset.h"
#include "widgets/smooth/splash/TAdvSplashProgressBar.h"
#include "widgets/smooth/splash/TAdvSplashTopLayerItem.h"
#include "widgets/smooth/splash/TSplashItem.h"
#include "widgets/smooth/splash/TSplashListItem.h"

class TBasicProgramInfo;
class TGDIPFill;
class TGDIPPictureContainer;
class TGDIPSplashProgress;
class TImageList;
class TSplashListItemsSettings;
class TSplashScreenWindow;
class TTimer;

enum class TDisplayLocation { dlFixedPos, dlCenter };
enum class TDisplayStyle { dsNormal, dsFadeInOut };
enum class TAdvSmoothSplashScreenTextRenderingHint { tAntiAlias, tAntiAliasGridFit, tClearType };

/// The start-up splash screen: a borderless, topmost window that never takes
/// the activation, showing a background fill, program name and version,
/// markup list lines, top layer items, free items and a progress bar. It
/// is taken away when the main form is shown (its OnShow is hooked while the
/// splash is up), when the close timer runs out or by Hide. A fill that is
/// partly transparent makes it layered: every layer is drawn into an ARGB
/// buffer that is presented with the window's constant opacity. Fades block
/// the calling thread. Destroying a splash that is up hides it first.
/// Owned by its form (the owner). GUI thread only.
class TAdvSmoothSplashScreen : public TObject {
public:
  /// Sleeps the given milliseconds (the fades' wait).
  using TSleepFunction = std::function<void(int ms)>;
  /// Sees every present of a layered splash: the buffer, the constant
  /// opacity and the window's geometry on the screen.
  using TPresentObserver = std::function<void(const QImage& buffer, int opacity, const QRect& geometry)>;

  explicit TAdvSmoothSplashScreen(TForm* owner);
  ~TAdvSmoothSplashScreen() override;
  TAdvSmoothSplashScreen(const TAdvSmoothSplashScreen&) = delete;
  TAdvSmoothSplashScreen& operator=(const TAdvSmoothSplashScreen&) = delete;

  /// Runs once the owner has built its controls: takes the program's name,
  /// version and notice from the executable's version information (with
  /// BasicProgramInfo.AutoLoad; a missing value empties its text, an
  /// executable without any keeps the texts), then shows the splash with
  /// AutoShow.
  void Loaded();
  /// Shows the splash; X and Y are not used (DisplayLocation places it).
  void Show(int X, int Y);
  void Show() { Show(m_displayPosX, m_displayPosY); }
  void Hide();
  void Refresh();
  void BeginUpdate() { ++m_updateCount; }
  void EndUpdate();
  void FadeIn(int Step, int Wait, int Max);
  void FadeOut(int Step, int Wait, int Min);
  /// Raises, activates and focuses the form 20 ms from now.
  void SetFocusToForm(TForm* AForm);
  void SetComponentStyle(TStylePreset AStyle);
  QString GetThemeID() const { return QStringLiteral("TAdvSmoothSplashScreen"); }
  QString Version() const { return QStringLiteral("1.2.0.0"); }

  bool StayOnTop() const { return m_stayOnTop; }
  void SetStayOnTop(bool value);
  bool AutoShow() const { return m_autoShow; }
  void SetAutoShow(bool value) { m_autoShow = value; }
  bool AutoAdaptPictureSize() const { return m_autoAdaptPictureSize; }
  void SetAutoAdaptPictureSize(bool value) { m_autoAdaptPictureSize = value; }
  TBasicProgramInfo& BasicProgramInfo() { return *m_basicProgramInfo; }
  bool CloseOnMainFormShow() const { return m_closeOnMainFormShow; }
  void SetCloseOnMainFormShow(bool value) { m_closeOnMainFormShow = value; }
  bool CloseOnTimeout() const { return m_closeOnTimeout; }
  void SetCloseOnTimeout(bool value) { m_closeOnTimeout = value; }
  TGDIPFill& Fill() { return *m_fill; }
  int TimeOut() const { return m_timeOut; }
  void SetTimeOut(int value) { m_timeOut = value; }
  TGDIPSplashProgress& ProgressBar() { return *m_progressBar; }
  TSplashItems& Items() { return m_items; }
  int PictureGap() const { return m_pictureGap; }
  void SetPictureGap(int value) { m_pictureGap = value; }
  TSplashListItems& ListItems() { return m_listItems; }
  TSplashListItemsSettings& ListItemsSettings() { return *m_listItemsSettings; }
  TGDIPPictureContainer* PictureContainer() const { return m_container; }
  void SetPictureContainer(TGDIPPictureContainer* value) { m_container = value; }
  TDisplayStyle DisplayStyle() const { return m_displayStyle; }
  void SetDisplayStyle(TDisplayStyle value) { m_displayStyle = value; }
  TDisplayLocation DisplayLocation() const { return m_displayLocation; }
  void SetDisplayLocation(TDisplayLocation value) { m_displayLocation = value; }
  int DisplayPosX() const { return m_displayPosX; }
  void SetDisplayPosX(int value) { m_displayPosX = value; }
  int DisplayPosY() const { return m_displayPosY; }
  void SetDisplayPosY(int value) { m_displayPosY = value; }
  int Width() const { return m_width; }
  void SetWidth(int value) { m_width = value; }
  int Height() const { return m_height; }
  void SetHeight(int value) { m_height = value; }
  TImageList* Images() const { return m_images; }
  void SetImages(TImageList* value) { m_images = value; }
  TAdvSplashTopLayerItems& TopLayerItems() { return m_topLayerItems; }
  int MaxOpacity() const { return m_maxOpacity; }
  void SetMaxOpacity(int value) { m_maxOpacity = value; }
  TAdvSmoothSplashScreenTextRenderingHint TextRendering() const { return m_textRendering; }
  void SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value);
  /// The GDI+ hint the painters use for TextRendering.
  TextRenderingHint RenderingHint() const;

  TSplashScreenWindow* SplashWindow() const;
  bool Showing() const { return m_showing; }
  bool FocusParentForm() const { return m_focusParentForm; }
  void SetFocusParentForm(bool value) { m_focusParentForm = value; }
  TForm* MainForm() const { return m_mainForm; }
  /// Gives the former main form its OnShow back and, with
  /// CloseOnMainFormShow, hooks the new one's.
  void SetMainForm(TForm* value);

  /// Repaints the window while the splash is up.
  void InvalidateSplashWindow();
  /// The close timer's tick.
  void CloseTimerTick();

  void SetSleepFunction(TSleepFunction sleep) { m_sleep = std::move(sleep); }
  void SetPresentObserver(TPresentObserver observer) { m_presentObserver = std::move(observer); }
  /// The present observer every splash made from now on starts with (none
  /// by default): start-up checks watch a splash their code cannot reach.
  static void SetDefaultPresentObserver(TPresentObserver observer);
  void Sleep(int ms) const { m_sleep(ms); }
  void NotifyPresent(const QImage& buffer, int opacity, const QRect& geometry) const;

  TNotifyEvent OnProgressChange;
  TAdvSmoothProgressBarPositionChanged OnProgressPositionChanged;
  TNotifyEvent OnClick;
  TNotifyEvent OnBeforeShow;
  TNotifyEvent OnClose;

private:
  void LoadProgramInfo();
  void BuildAndShowWindow();
  void MainFormShown(TObject* Sender);
  void ProgressAppearanceChanged();
  void StartFocusTimer(TTimer& timer);
  static void ClickIntoForm(TForm* form);
  void FreeWindow();

  QPointer<TForm> m_owner;
  bool m_autoShow = true;
  bool m_closeOnTimeout = false;
  bool m_closeOnMainFormShow = true;
  int m_timeOut = 1000;
  TDisplayLocation m_displayLocation = TDisplayLocation::dlCenter;
  TDisplayStyle m_displayStyle = TDisplayStyle::dsFadeInOut;
  std::unique_ptr<TGDIPSplashProgress> m_progressBar;
  TImageList* m_images = nullptr;
  TSplashItems m_items;
  int m_displayPosY = 0;
  int m_displayPosX = 0;
  bool m_showing = false;
  QPointer<TSplashScreenWindow> m_splashWindow;
  TNotifyEvent m_oldMainFormShow;
  int m_height = 400;
  int m_width = 600;
  std::unique_ptr<TTimer> m_closeTimer;
  QPointer<TForm> m_mainForm;
  int m_pictureGap = 5;
  TSplashListItems m_listItems;
  std::unique_ptr<TBasicProgramInfo> m_basicProgramInfo;
  int m_updateCount = 0;
  std::unique_ptr<TGDIPFill> m_fill;
  std::unique_ptr<TSplashListItemsSettings> m_listItemsSettings;
  TGDIPPictureContainer* m_container = nullptr;
  TAdvSplashTopLayerItems m_topLayerItems;
  int m_maxOpacity = 255;
  bool m_autoAdaptPictureSize = true;
  std::unique_ptr<TTimer> m_focusTimer;
  bool m_focusParentForm = false;
  std::unique_ptr<TTimer> m_focusFormTimer;
  QPointer<TForm> m_newFocusForm;
  TAdvSmoothSplashScreenTextRenderingHint m_textRendering = TAdvSmoothSplashScreenTextRenderingHint::tClearType;
  bool m_stayOnTop = true;
  TSleepFunction m_sleep;
  TPresentObserver m_presentObserver;
};
