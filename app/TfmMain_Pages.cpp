// Page switching, the window's layout, the signal-flow overview, channel
// names and the small menu handlers.
#include "app/MainWindowLayout.h"
#include "app/MainWindowPages.h"
#include "app/TfmMain.h"
#include "app/builders/MainWindowLook.h"
#include "components/LMyFFTDrawHpLp6dB.h"
#include "dsp/CurveColours.h"
#include "link/LUnitSession.h"
#include "platform/text/AnsiCodePage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TPaintBox.h"
#include "protocol/LUnitControl.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"

namespace {

constexpr TColor kInputLineColours[] = {RGB(128, 0, 128), RGB(128, 128, 0), RGB(0, 128, 128)};

}  // namespace

unsigned TfmMain::LinkMaskOf(int channel) const { return m_unitControl->GetLinkMask(channel); }

void TfmMain::rzbMenuInAClick(TObject* Sender) {
  auto* button = dynamic_cast<TRzBmpButton*>(Sender);
  const int page = button != nullptr ? button->Tag() : -1;
  if (button == nullptr || page == m_state.CurrentPage || page < 0 || page >= TfmMainControls::kPages) {
    return;
  }
  // 2: a page switch may cost the serial link one more write.
  m_session->GrantSpareResend();
  // 3-4: the page shown now.
  const QString current = PageStem(m_state.CurrentPage);
  auto* currentButton = Named<TRzBmpButton>(QStringLiteral("rzbMenu") + current);
  auto* currentUpper = Named<TRzGroupBox>(QStringLiteral("rzgFft") + current);
  auto* currentLower = Named<TRzGroupBox>(QStringLiteral("rzgParam") + current);
  if (currentButton == nullptr || currentUpper == nullptr || currentLower == nullptr) {
    return;
  }
  currentButton->Font().SetColor(MainWindowLook::kPageOther);
  // 5: a linked channel's page shows the groups of its group's leader.
  int shown = page;
  if (page < 9 && LinkMaskOf(page) == 0) {
    const int first = page < 3 ? 0 : 3;
    const int last = page < 3 ? 2 : 8;
    for (int leader = first; leader <= last; ++leader) {
      if ((LinkMaskOf(leader) >> (page - first)) & 1u) {
        shown = leader;
        break;
      }
    }
  }
  const QString s = PageStem(shown);
  auto* upper = Named<TRzGroupBox>(QStringLiteral("rzgFft") + s);
  auto* lower = Named<TRzGroupBox>(QStringLiteral("rzgParam") + s);
  if (upper == nullptr || lower == nullptr) {
    return;
  }
  // 6: the leader's page titled and coloured as the clicked channel.
  if (page < 9) {
    Plot& curves = *m_responseCurves[shown];
    curves.RemoveCurve(Plot::kTotalSection);
    curves.DrawSection(Plot::kTotalSection, PlotTotalColour(page).value());
    m_controls.ResponsePlots[shown]->UpdateCurvePage();
    if (page >= 3) {
      CopyFirDesignSettings(shown);
    }
    auto* channelLabel = Named<TLabel>(QStringLiteral("lbFftChannel") + s);
    auto* gainName = Named<TLabel>(QStringLiteral("lbGainName") + s);
    auto* mute = Named<TRzBmpButton>(QStringLiteral("rzbMute") + s);
    if (channelLabel == nullptr || gainName == nullptr || mute == nullptr) {
      return;
    }
    channelLabel->SetCaption(ChannelSuffix(page));
    gainName->SetCaption(ChannelSuffix(page));
    mute->SetDown(m_unitControl->GetMute(page));
  }
  // 7: swap the groups.
  button->Font().SetColor(MainWindowLook::kPageShown);
  currentLower->SetVisible(false);
  currentUpper->SetVisible(false);
  lower->SetVisible(true);
  upper->SetVisible(true);
  lower->BringToFront();
  upper->BringToFront();
  // 8-9.
  if (page == MainWindowState::kPageGain) {
    RefreshGainSummaryCurves();
  } else {
    RefreshChannelOverlayCurves(page);
  }
  m_state.CurrentPage = page;
}

void TfmMain::Layout(int dw, int dh) {
  if (dh >= 0) {
    m_state.LayoutExtraHeight = dh;
  }
  LayoutMainWindow(m_registry, dw, dh);
}

// The widget holds the menu bar and the client area; frame and caption
// are added as the design size counts them.
int TfmMain::OuterWidth() const { return width() + (DesignWidth - DesignClientWidth); }

int TfmMain::OuterHeight() const { return height() - MenuHeight() + (DesignHeight - DesignClientHeight); }

void TfmMain::SetOuterSize(int width, int height) {
  resize(width - (DesignWidth - DesignClientWidth), height - (DesignHeight - DesignClientHeight) + MenuHeight());
}

void TfmMain::FormResize() {
  if (m_responseCurves[0] == nullptr) {
    return;  // still building
  }
  const int w = OuterWidth();
  const int h = OuterHeight();
  SetAutoScroll(w < DesignWidth || h < DesignHeight);
  Layout(w >= DesignWidth ? w - DesignWidth : -1, h >= DesignHeight ? h - DesignHeight : -1);
  UpdateScrollBars();
  // One full repaint of the page area; it stays shown, so the focus stays.
  m_controls.rzgMain->Repaint();
  // The dashes and time labels follow the re-placed delay pictures. (The
  // link dialog this waits for exists whenever the built window resizes.)
  for (int channel = 0; channel < MainWindowState::kChannels; ++channel) {
    UpdateDelayLine(channel);
  }
}

void TfmMain::PaintRoutingOverview() {
  TCanvas& canvas = m_controls.pbMatrix->Canvas();
  const int h = m_state.LayoutExtraHeight;
  const int yIn[] = {31, 103, 175};
  const int yOut[] = {0, 41, 83, 124, 166, 206};
  canvas.Pen().SetWidth(2);
  for (int i = 0; i < 3; ++i) {
    canvas.Pen().SetColor(kInputLineColours[i]);
    for (int j = 0; j < 6; ++j) {
      if ((m_unitControl->GetRoutingMask(j + 3) >> i) & 1u) {
        canvas.MoveTo(0, (h / 4) * (i + 1) + yIn[i]);
        canvas.LineTo(m_controls.pbMatrix->Width(), (h / 7) * (j + 1) + yOut[j]);
      }
    }
  }
}

QByteArray TfmMain::GetChannelName(int channel) const {
  const auto field = m_unitControl->GetChannelNameField(channel);
  return QByteArray(reinterpret_cast<const char*>(field.data()), qsizetype(field.size()));
}

void TfmMain::SetChannelName(int channel, const QByteArray& name) {
  auto* label = Named<TLabel>(QStringLiteral("lbMatrixChName") + ChannelSuffix(channel));
  auto* button = Named<TRzBmpButton>(QStringLiteral("rzbMenu") + ChannelSuffix(channel));
  if (label == nullptr || button == nullptr) {
    return;
  }
  // Names are held in the unit's code page.
  const QString text = AnsiToWide(name);
  label->SetCaption(text);
  button->SetHint(text);
  m_unitControl->SetChannelName(channel, name);
}

void TfmMain::lbMatrixChNameInAClick(TObject* Sender) {
  if (auto* label = dynamic_cast<TLabel*>(Sender)) {
    ShowChannelNameDialog(label->Tag(), WideToAnsi(label->Caption()));
  }
}

void TfmMain::BindOverviewHandlers() {
  // A click on a block label leads to the page of that block.
  auto leadTo = [this](const QString& buttonName) {
    auto* target = Named<TRzBmpButton>(buttonName);
    auto* matrix = Named<TRzBmpButton>(QStringLiteral("rzbMenuMatrix"));
    if (target == nullptr || matrix == nullptr) {
      return;
    }
    target->Click();
    target->SetDown(true);
    matrix->SetDown(false);
  };
  // Every overview label shows the hand cursor while the pointer is over it.
  auto bind = [this](const QString& name, std::function<void(TLabel*)> click) {
    auto* label = Named<TLabel>(name);
    if (label == nullptr) {
      return;
    }
    label->OnClick = [click](TObject* sender) {
      if (auto* clicked = dynamic_cast<TLabel*>(sender)) {
        click(clicked);
      }
    };
    label->OnMouseMove = [](TObject* sender, TShiftState, int, int) {
      if (auto* hovered = dynamic_cast<TLabel*>(sender)) {
        hovered->SetCursor(crHandPoint);
      }
    };
    label->OnMouseLeave = [](TObject* sender) {
      if (auto* left = dynamic_cast<TLabel*>(sender)) {
        left->SetCursor(crDefault);
      }
    };
  };
  auto fixed = [leadTo](const char* button) {
    return [leadTo, button](TLabel*) { leadTo(QString::fromLatin1(button)); };
  };
  auto channelPage = [leadTo](TLabel* label) { leadTo(QStringLiteral("rzbMenu") + ChannelSuffix(label->Tag())); };
  for (int c = 0; c < 9; ++c) {
    const QString s = ChannelSuffix(c);
    bind(QStringLiteral("lbMatrixGain") + s, fixed("rzbMenuGain"));
    bind(QStringLiteral("lbMatrixFir") + s, channelPage);
    bind(QStringLiteral("lbMatrixPeq") + s, channelPage);
    bind(QStringLiteral("lbMatrixDelay") + s, fixed("rzbMenuDelay"));
    if (c < 3) {
      bind(QStringLiteral("lbMatrixPhase") + s, fixed("rzbMenuGain"));
      bind(QStringLiteral("lbMatrixComp") + s, fixed("rzbMenuComp"));
      bind(QStringLiteral("lbMatrixGate") + s, fixed("rzbMenuGate"));
    } else {
      bind(QStringLiteral("lbMatrixMute") + s, fixed("rzbMenuGain"));
      bind(QStringLiteral("lbMatrixXover") + s, channelPage);
      bind(QStringLiteral("lbMatrixLimit") + s, fixed("rzbMenuLimit"));
    }
    bind(QStringLiteral("lbMatrixChName") + s, [this](TLabel* label) { lbMatrixChNameInAClick(label); });
  }
}

void TfmMain::BindMenuHandlers() {
  // The input and output type entries show or hide the AES/EBU panels.
  auto select = [this](const char* on, const char* off, const char* panel, bool show) {
    return [this, on, off, panel, show](TObject*) {
      m_controls.MainMenu.Find(QLatin1String(on))->Checked = true;
      m_controls.MainMenu.Find(QLatin1String(off))->Checked = false;
      if (auto* aes = Named<TControl>(QLatin1String(panel))) {
        aes->SetVisible(show);
      }
    };
  };
  m_controls.MainMenu.Find(QStringLiteral("InAnalog"))->OnClick = select("InAnalog", "InDigital", "plAesIn1", false);
  m_controls.MainMenu.Find(QStringLiteral("InDigital"))->OnClick = select("InDigital", "InAnalog", "plAesIn1", true);
  m_controls.MainMenu.Find(QStringLiteral("OutAnalog"))->OnClick =
      select("OutAnalog", "OutDigital", "plAesOut1", false);
  m_controls.MainMenu.Find(QStringLiteral("OutDigital"))->OnClick =
      select("OutDigital", "OutAnalog", "plAesOut1", true);
  // The entries that open dialogs.
  BindMenuEntries({{"LockMode", &TfmMain::LockModeClick},
                   {"InOutSelect", &TfmMain::InOutSelectClick},
                   {"SourceSelect", &TfmMain::SourceSelectClick},
                   {"Link", &TfmMain::LinkClick}});
}
