#include "widgets/smooth/splash/TAdvSmoothSplashScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

#include "platform/threads/TTimer.h"
#include "platform/files/VersionInfo.h"
#include "widgets/gdiplus/TGDIPFill.h"
#include "widgets/smooth/splash/TBasicProgramInfo.h"
#include "widgets/smooth/splash/TGDIPSplashProgress.h"
#include "widgets/smooth/splash/TSplashListItemsSettings.h"
#include "widgets/smooth/splash/TSplashScreenWindow.h"

namespace {

struct TFillPreset {
  TStylePreset style;
  TColor color, colorTo, colorMirror, colorMirrorTo, border;
  bool mirrorVertical;
};

constexpr TFillPreset kFillPresets[] = {
    {TStylePreset::tsOffice2003Blue, 0xFDEADA, 0xE4AE88, clNone, clNone, 0xDFD2C5, false},
    {TStylePreset::tsOffice2003Silver, 0xF7F3F3, 0xE6D8D8, clNone, clNone, 0x927476, false},
    {TStylePreset::tsOffice2003Olive, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x6B7760, false},
    {TStylePreset::tsOffice2003Classic, 0xFFFFFF, 0xC9D1D5, clNone, clNone, 0x808080, false},
    {TStylePreset::tsOffice2007Luna, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, 0xE3B28D, true},
    {TStylePreset::tsOffice2007Obsidian, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0x000000, true},
    {TStylePreset::tsWindowsXP, clBtnFace, clBtnFace, clNone, clNone, 0x000000, false},
    {TStylePreset::tsWhidbey, 0xFFFFFF, 0xD9E9EC, clNone, clNone, 0x828F92, false},
    {TStylePreset::tsOffice2007Silver, 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF4F4EE, 0x74706F, true},
    {TStylePreset::tsWindowsVista, 0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, false},
    {TStylePreset::tsWindows7, 0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, false},
    {TStylePreset::tsTerminal, clBtnFace, clBtnFace, clNone, clNone, 0x808080, false},
    {TStylePreset::tsOffice2010Blue, 0xFDF6EF, 0xF0DAC7, clNone, clNone, 0xC7B29F, false},
    {TStylePreset::tsOffice2010Silver, 0xFFFFFF, 0xEDE5E0, clNone, clNone, 0xD2CDC8, false},
    {TStylePreset::tsOffice2010Black, 0xBFBFBF, 0x919191, clNone, clNone, 0x6D6D6D, false},
};

TAdvSmoothSplashScreen::TPresentObserver& DefaultPresentObserver() {
  static TAdvSmoothSplashScreen::TPresentObserver observer;
  return observer;
}

}  // namespace

void TAdvSmoothSplashScreen::SetDefaultPresentObserver(TPresentObserver observer) {
  DefaultPresentObserver() = std::move(observer);
}

TAdvSmoothSplashScreen::TAdvSmoothSplashScreen(TForm* owner)
    : m_owner(owner),
      m_progressBar(std::make_unique<TGDIPSplashProgress>()),
      m_closeTimer(std::make_unique<TTimer>()),
      m_basicProgramInfo(std::make_unique<TBasicProgramInfo>()),
      m_fill(std::make_unique<TGDIPFill>()),
      m_listItemsSettings(std::make_unique<TSplashListItemsSettings>()),
      m_focusTimer(std::make_unique<TTimer>()),
      m_sleep([](int ms) { QThread::msleep(ms > 0 ? unsigned(ms) : 0u); }),
      m_presentObserver(DefaultPresentObserver()) {
  m_items.OnChange = [this](TObject*) { Refresh(); };
  m_listItems.OnChange = [this](TObject*) { Refresh(); };
  m_topLayerItems.OnChange = [this](TObject*) { InvalidateSplashWindow(); };
  m_progressBar->OnChange = [this](TObject*) { ProgressAppearanceChanged(); };
  m_basicProgramInfo->OnChange = [this](TObject*) { Refresh(); };
  m_closeTimer->SetEnabled(false);
  m_closeTimer->SetInterval(m_timeOut);
  m_closeTimer->OnTimer = [this](TObject*) { CloseTimerTick(); };
  m_focusTimer->SetEnabled(false);
  m_focusTimer->SetInterval(20);
  m_focusTimer->OnTimer = [this](TObject*) {
    m_focusTimer->SetEnabled(false);
    ClickIntoForm(m_mainForm);
  };
}

TAdvSmoothSplashScreen::~TAdvSmoothSplashScreen() {
  // A splash that is still up goes at once, giving the main form its OnShow
  // back, so neither the window nor the hook outlives the component.
  m_displayStyle = TDisplayStyle::dsNormal;
  Hide();
  SetMainForm(nullptr);
  m_closeTimer->OnTimer = nullptr;
  m_focusTimer->OnTimer = nullptr;
  if (m_focusFormTimer) {
    m_focusFormTimer->OnTimer = nullptr;
  }
}

TSplashScreenWindow* TAdvSmoothSplashScreen::SplashWindow() const { return m_splashWindow; }

void TAdvSmoothSplashScreen::Loaded() {
  LoadProgramInfo();
  if (m_autoShow) {
    Show();
  }
}

void TAdvSmoothSplashScreen::LoadProgramInfo() {
  if (!m_basicProgramInfo->AutoLoad()) {
    return;
  }
  const std::optional<TVersionInfoBlock> block = VersionInfo::Read(QCoreApplication::applicationFilePath());
  if (!block) {
    return;
  }
  // Without a translation the values are looked up under language and code
  // page 0.
  TVersionTranslation translation;
  VersionInfo::QueryTranslation(*block, translation);
  const auto value = [&](const QString& name) {
    QString text;
    VersionInfo::QueryString(*block, VersionInfo::StringPath(translation, name), text);
    return text;
  };
  m_basicProgramInfo->SetCopyRight(value(QStringLiteral("LegalCopyright")));
  m_basicProgramInfo->ProgramName().SetText(value(QStringLiteral("ProductName")));
  m_basicProgramInfo->ProgramVersion().SetText(value(QStringLiteral("FileVersion")));
}

void TAdvSmoothSplashScreen::Show(int, int) {
  if (m_showing) {
    return;
  }
  Raise(OnBeforeShow, this);
  if (m_owner != nullptr) {
    SetMainForm(m_owner);
  }
  BuildAndShowWindow();
}

void TAdvSmoothSplashScreen::BuildAndShowWindow() {
  if (m_showing) {
    return;
  }
  const bool layered = m_fill->Opacity() < 255 || m_fill->OpacityTo() < 255;
  auto* window = new TSplashScreenWindow(*this, m_stayOnTop);
  m_splashWindow = window;
  TAdvGDIPPicture& picture = m_fill->Picture();
  picture.GetImageSizes();
  if (m_autoAdaptPictureSize && !picture.Empty()) {
    const int bw = m_fill->BorderWidth();
    const int e = bw == 1 ? 1 : (bw + 1) / 2;
    window->resize(picture.Width() + 2 * e, picture.Height() + 2 * e);
  } else {
    window->resize(m_width, m_height);
  }
  if (m_displayLocation == TDisplayLocation::dlCenter) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
  } else {
    window->move(m_displayPosX, m_displayPosY);
  }
  TAdvSplashProgressBar& bar = window->ProgressBar();
  bar.SetAppearance(*m_progressBar);
  bar.OnPositionChanged = [this](TObject*, double value) {
    if (OnProgressPositionChanged) {
      OnProgressPositionChanged(this, value);
    }
  };
  bar.OnChange = [this](TObject*) { Raise(OnProgressChange, this); };
  if (m_displayStyle == TDisplayStyle::dsNormal) {
    window->SetOpacity(255);
  } else if (layered) {
    window->SetOpacity(5);
  } else {
    window->SetAlphaBlendValue(5);
  }
  if (layered) {
    window->setAttribute(Qt::WA_TranslucentBackground);
  }
  window->show();
  m_showing = true;
  window->SetWindowRegion();
  window->SetLayered(layered);
  if (!layered) {
    window->Repaint();
  }
  if (layered) {
    if (m_displayStyle == TDisplayStyle::dsFadeInOut) {
      window->FadeInLayered(20, 5, 255);
    }
  } else {
    if (m_displayStyle == TDisplayStyle::dsFadeInOut) {
      while (window->AlphaBlendValue() < m_maxOpacity) {
        window->SetAlphaBlendValue(window->AlphaBlendValue() + std::min(5, m_maxOpacity - window->AlphaBlendValue()));
        Sleep(5);
      }
      window->SetAlphaBlendValue(m_maxOpacity);
    } else {
      // Without alpha blending the value set here does not show: the window
      // stays opaque.
      window->SetAlphaBlendValue(255);
    }
  }
  m_closeTimer->SetInterval(m_timeOut);
  m_closeTimer->SetEnabled(m_closeOnTimeout);
}

void TAdvSmoothSplashScreen::FreeWindow() {
  if (m_splashWindow != nullptr) {
    delete m_splashWindow.data();
  }
  m_splashWindow = nullptr;
}

void TAdvSmoothSplashScreen::Hide() {
  if (!m_showing) {
    return;
  }
  m_closeTimer->SetEnabled(false);
  if (m_displayStyle == TDisplayStyle::dsFadeInOut && m_splashWindow != nullptr && m_splashWindow->isVisible()) {
    m_splashWindow->FadeOutWindow(20, 5, 10);
  }
  m_showing = false;
  if (m_mainForm != nullptr && m_closeOnMainFormShow) {
    m_mainForm->OnShow = m_oldMainFormShow;
  }
  FreeWindow();
  Raise(OnClose, this);
}

void TAdvSmoothSplashScreen::Refresh() {
  if (m_showing && m_splashWindow != nullptr) {
    m_splashWindow->Refresh();
  }
}

void TAdvSmoothSplashScreen::EndUpdate() {
  if (m_updateCount > 0) {
    --m_updateCount;
  }
  if (m_updateCount == 0) {
    Refresh();
  }
}

void TAdvSmoothSplashScreen::FadeIn(int Step, int Wait, int Max) {
  if (m_splashWindow == nullptr || !m_splashWindow->isVisible()) {
    return;
  }
  if (m_splashWindow->Layered()) {
    m_splashWindow->FadeInLayered(Step, 3 * Wait, Max);
    return;
  }
  while (m_splashWindow->AlphaBlendValue() < Max) {
    const int next = m_splashWindow->AlphaBlendValue() + Step;
    if (next >= Max) {
      m_splashWindow->SetAlphaBlendValue(Max);
      return;
    }
    m_splashWindow->SetAlphaBlendValue(next);
    Sleep(3 * Wait);
  }
}

void TAdvSmoothSplashScreen::FadeOut(int Step, int Wait, int Min) {
  if (m_splashWindow != nullptr && m_splashWindow->isVisible()) {
    m_splashWindow->FadeOutWindow(Step, Wait, Min);
  }
}

void TAdvSmoothSplashScreen::SetMainForm(TForm* value) {
  if (m_mainForm != nullptr && m_closeOnMainFormShow) {
    m_mainForm->OnShow = m_oldMainFormShow;
  }
  m_oldMainFormShow = nullptr;
  m_mainForm = value;
  if (m_closeOnMainFormShow && value != nullptr) {
    m_oldMainFormShow = value->OnShow;
    value->OnShow = [this](TObject* sender) { MainFormShown(sender); };
  }
}

void TAdvSmoothSplashScreen::MainFormShown(TObject* Sender) {
  // Hide gives the form its former handler back; keep a copy to run it.
  const TNotifyEvent former = m_oldMainFormShow;
  Hide();
  Raise(former, Sender);
  if (m_focusParentForm && m_mainForm != nullptr) {
    m_focusTimer->SetEnabled(true);
  }
}

void TAdvSmoothSplashScreen::CloseTimerTick() {
  const bool wasShowing = m_showing;
  Hide();
  if (m_focusParentForm && m_mainForm != nullptr && wasShowing) {
    m_focusTimer->SetEnabled(true);
  }
}

void TAdvSmoothSplashScreen::SetFocusToForm(TForm* AForm) {
  if (!m_focusFormTimer) {
    m_focusFormTimer = std::make_unique<TTimer>();
    m_focusFormTimer->SetEnabled(false);
    m_focusFormTimer->SetInterval(20);
    m_focusFormTimer->OnTimer = [this](TObject*) {
      m_focusFormTimer->SetEnabled(false);
      ClickIntoForm(m_newFocusForm);
    };
  }
  m_newFocusForm = AForm;
  m_focusFormTimer->SetEnabled(true);
}

void TAdvSmoothSplashScreen::ClickIntoForm(TForm* form) {
  // The form gets the focus it would get from a click, without moving the
  // user's cursor or injecting input.
  if (form == nullptr) {
    return;
  }
  form->raise();
  form->activateWindow();
  form->setFocus(Qt::MouseFocusReason);
}

void TAdvSmoothSplashScreen::InvalidateSplashWindow() {
  if (m_splashWindow != nullptr && m_showing) {
    m_splashWindow->Invalidate();
  }
}

void TAdvSmoothSplashScreen::SetStayOnTop(bool value) {
  if (StoreIfChanged(m_stayOnTop, value)) {
    InvalidateSplashWindow();
  }
}

void TAdvSmoothSplashScreen::SetTextRendering(TAdvSmoothSplashScreenTextRenderingHint value) {
  if (StoreIfChanged(m_textRendering, value)) {
    InvalidateSplashWindow();
  }
}

TextRenderingHint TAdvSmoothSplashScreen::RenderingHint() const {
  switch (m_textRendering) {
  case TAdvSmoothSplashScreenTextRenderingHint::tAntiAlias:
    return TextRenderingHint::TextRenderingHintAntiAlias;
  case TAdvSmoothSplashScreenTextRenderingHint::tAntiAliasGridFit:
    return TextRenderingHint::TextRenderingHintAntiAliasGridFit;
  case TAdvSmoothSplashScreenTextRenderingHint::tClearType:
    break;
  }
  return TextRenderingHint::TextRenderingHintClearTypeGridFit;
}

void TAdvSmoothSplashScreen::NotifyPresent(const QImage& buffer, int opacity, const QRect& geometry) const {
  if (m_presentObserver) {
    m_presentObserver(buffer, opacity, geometry);
  }
}

void TAdvSmoothSplashScreen::ProgressAppearanceChanged() {
  if (!m_showing || m_splashWindow == nullptr) {
    return;
  }
  TAdvSplashProgressBar& bar = m_splashWindow->ProgressBar();
  const TGDIPSplashProgress& a = *m_progressBar;
  bar.SetPosition(a.Position());
  bar.SetGlowAnimation(a.GlowAnimation());
  bar.SetStep(a.Step());
  bar.SetProgressAnimation(a.ProgressAnimation());
  bar.SetMaximum(a.Maximum());
  bar.SetMinimum(a.Minimum());
  bar.SetVisible(a.Visible());
  bar.SetBounds(a.Left(), a.Top(), a.Width(), a.Height());
  bar.SetAppearance(a);
  if (m_splashWindow->Layered()) {
    Refresh();
  }
}

void TAdvSmoothSplashScreen::SetComponentStyle(TStylePreset AStyle) {
  m_fill->SetGradientType(TAdvGradientType::gtVertical);
  for (const TFillPreset& p : kFillPresets) {
    if (p.style != AStyle) {
      continue;
    }
    m_fill->SetColor(p.color);
    m_fill->SetColorTo(p.colorTo);
    m_fill->SetColorMirror(p.colorMirror);
    m_fill->SetColorMirrorTo(p.colorMirrorTo);
    m_fill->SetBorderColor(p.border);
    if (p.mirrorVertical) {
      m_fill->SetGradientMirrorType(TAdvGradientType::gtVertical);
    }
  }
}
