#include "dialogs/TfmTest.h"

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "platform/text/CFormat.h"
#include "platform/widgets/TComboBox.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "platform/widgets/TRadioButton.h"
#include "protocol/LCmd.h"
#include "protocol/commands/UnitCommands.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/trackbar/TAdvTrackBar.h"

TfmTest* fmTest = nullptr;

namespace {

constexpr int kTestClientWidth = 282;
constexpr int kTestClientHeight = 273;
/// The light grey of the editor's group boxes.

const char* const kSineFrequencies[] = {"20Hz",   "25Hz",   "31.5Hz", "40Hz",    "50Hz",   "63Hz",    "80Hz",
                                        "100Hz",  "125Hz",  "160Hz",  "200Hz",   "250Hz",  "315Hz",   "400Hz",
                                        "500Hz",  "630Hz",  "800Hz",  "1KHz",    "1.25KHz", "1.6KHz", "2KHz",
                                        "2.5KHz", "3.15KHz", "4KHz",  "5KHz",    "6.3KHz", "8KHz",    "10KHz",
                                        "12.5KHz", "16KHz", "20KHz"};

void SetArial(TControl& control, int height) {
  control.Font().SetName(QStringLiteral("Arial"));
  control.Font().SetHeight(height);
}

TRadioButton* AddRadio(QWidget& parent, const char* name, int tag, int top) {
  auto* radio = new TRadioButton(&parent);
  radio->SetName(QLatin1String(name));
  radio->SetTag(tag);
  radio->SetBounds(18, top, 112, 20);
  SetArial(*radio, -13);
  return radio;
}

}  // namespace

TfmTest::TfmTest(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmTest"));
  SetCaption(QStringLiteral("Input Signal Select"));
  DialogParts::SetDialogFrame(*this, kTestClientWidth, kTestClientHeight);
  imBase = &DialogParts::AddBackground(*this, QStringLiteral("imBase"));

  GroupBox1 = new TRzGroupBox(this);
  GroupBox1->SetName(QStringLiteral("GroupBox1"));
  GroupBox1->SetBounds(14, 10, 254, 204);
  GroupBox1->SetColor(DialogParts::kGroupColor);
  SetArial(*GroupBox1, -13);

  rbAnalogIn = AddRadio(*GroupBox1, "rbAnalogIn", 0, 18);
  rbPinkNoise = AddRadio(*GroupBox1, "rbPinkNoise", 1, 44);
  rbWhiteNoise = AddRadio(*GroupBox1, "rbWhiteNoise", 2, 70);
  rbSineWave = AddRadio(*GroupBox1, "rbSineWave", 3, 96);
  rbAnalogIn->SetChecked(true);
  rbAnalogIn->SetCaption(QStringLiteral("Analog Input"));
  rbPinkNoise->SetCaption(QStringLiteral("Pink Noise"));
  rbWhiteNoise->SetCaption(QStringLiteral("White Noise"));
  rbSineWave->SetCaption(QStringLiteral("Sine Wave"));

  cbSineFreq = new TComboBox(GroupBox1);
  cbSineFreq->SetName(QStringLiteral("cbSineFreq"));
  cbSineFreq->SetBounds(134, 95, 100, 22);
  SetArial(*cbSineFreq, -13);
  QStringList frequencies;
  for (const char* frequency : kSineFrequencies) {
    frequencies << QLatin1String(frequency);
  }
  cbSineFreq->SetItems(frequencies);
  cbSineFreq->SetItemIndex(0);

  lbLevel = &DialogParts::AddLabel(*GroupBox1, QStringLiteral("lbLevel"), 18, 132, QStringLiteral("Level : "));
  lbToneGain = &DialogParts::AddLabel(*GroupBox1, QStringLiteral("lbToneGain"), 134, 132, QStringLiteral("-20.0 dB"));
  for (TLabel* label : {lbLevel, lbToneGain}) {
    label->Font().SetColor(clBlack);
  }

  isToneGain = new TAdvTrackBar(GroupBox1);
  isToneGain->SetName(QStringLiteral("isToneGain"));
  isToneGain->SetBounds(10, 154, 234, 40);
  isToneGain->SetTag(2);
  isToneGain->SetComponentStyle(TStylePreset::tsOffice2010Silver);
  isToneGain->SetTransparent(true);
  isToneGain->SetMin(-80);
  isToneGain->SetMax(0);
  isToneGain->SetPageSize(6);
  isToneGain->SetPosition(-40);
  isToneGain->SetTrackHint(false);
  isToneGain->TrackLabel().SetFormat(QStringLiteral("Pos: %d"));
  isToneGain->Loaded();

  bnExit = &DialogParts::AddButton(*this, QStringLiteral("bnExit"), 101, 228, mrNone);
  bnExit->SetCancel(true);
  bnExit->SetCaption(QStringLiteral("Exit"));

  for (TRadioButton* radio : {rbAnalogIn, rbPinkNoise, rbWhiteNoise, rbSineWave}) {
    radio->OnClick = [this](TObject* sender) { rbAnalogInClick(sender); };
  }
  cbSineFreq->OnSelect = [this](TObject* sender) { cbSineFreqSelect(sender); };
  isToneGain->OnChange = [this](TObject* sender) { isToneGainChange(sender); };
  bnExit->OnClick = [this](TObject* sender) { bnExitClick(sender); };
  DialogParts::RegisterControls(m_controls, *this);
  fmTest = this;
}

TfmTest::~TfmTest() {
  if (fmTest == this) {
    fmTest = nullptr;
  }
}

void TfmTest::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_TEST_TITLE")));
  bnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
  rbAnalogIn->SetCaption(m_host.LookUpText(QStringLiteral("SID_ANALOG_IN")));
  rbWhiteNoise->SetCaption(m_host.LookUpText(QStringLiteral("SID_WHITE_IN")));
  rbPinkNoise->SetCaption(m_host.LookUpText(QStringLiteral("SID_PINK_IN")));
  rbSineWave->SetCaption(m_host.LookUpText(QStringLiteral("SID_SINE_IN")));
  TForm::DoShow();
}

void TfmTest::SendWorkMode(int mode, bool append) {
  if (m_host.IsRefreshingControls()) {
    return;
  }
  // The level byte is the attenuation in half decibels: minus the position.
  const int level = -isToneGain->Position();
  m_host.SendCommand(CM_MCS_WORK_MODE(m_host.GetUnitId(), mode, cbSineFreq->ItemIndex(), level), append,
                     SERIALIZE_FRAME);
}

void TfmTest::rbAnalogInClick(TObject* Sender) {
  const auto* radio = dynamic_cast<TRadioButton*>(Sender);
  if (radio == nullptr) {
    return;
  }
  SignalMode = radio->Tag();
  SendWorkMode(SignalMode, true);
}

void TfmTest::cbSineFreqSelect(TObject* /*Sender*/) {
  if (!rbSineWave->Checked()) {
    // Checking the sine runs its click as a user's click would.
    rbSineWave->SetChecked(true);
    rbAnalogInClick(rbSineWave);
  }
  SendWorkMode(rbSineWave->Tag(), true);
}

void TfmTest::isToneGainChange(TObject* /*Sender*/) {
  lbToneGain->SetCaption(FormatC("%4.1f dB", isToneGain->Position() * 0.5));
  SendWorkMode(SignalMode, false);
}

void TfmTest::bnExitClick(TObject* /*Sender*/) { Close(); }
