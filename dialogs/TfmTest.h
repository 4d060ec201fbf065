#pragma once

#include <cstdint>

#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TAdvTrackBar;
class TComboBox;
class TImage;
class TLabel;
class TRadioButton;
class TRzBmpButton;
class TRzGroupBox;

/// The test signal dialog: what the unit feeds its inputs (the analog
/// inputs, pink or white noise, or a sine of 31 third-octave frequencies)
/// and the level of the generated signal. Every change goes to the unit at
/// once as CM_MCS_WORK_MODE, unless the main window is moving its controls
/// from the unit image. Created at start-up and kept. GUI thread only.
class TfmTest : public TForm {
public:
  explicit TfmTest(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmTest() override;

  TImage* imBase = nullptr;
  TRzGroupBox* GroupBox1 = nullptr;
  TRadioButton* rbAnalogIn = nullptr;
  TRadioButton* rbPinkNoise = nullptr;
  TRadioButton* rbWhiteNoise = nullptr;
  TRadioButton* rbSineWave = nullptr;
  TComboBox* cbSineFreq = nullptr;
  TLabel* lbLevel = nullptr;
  TLabel* lbToneGain = nullptr;
  TAdvTrackBar* isToneGain = nullptr;
  TRzBmpButton* bnExit = nullptr;

  /// 0 analog input, 1 pink noise, 2 white noise, 3 sine wave: the mode of
  /// the radio button clicked last, or the one the refresh set.
  std::int32_t SignalMode = 0;

  void SetSignalMode(int mode) { SignalMode = mode; }

  /// All four radio buttons: the button's Tag becomes the mode and is sent.
  void rbAnalogInClick(TObject* Sender);
  /// A frequency picked: the sine is switched on (sent once when it was
  /// off) and the sine command sent.
  void cbSineFreqSelect(TObject* Sender);
  /// The level label follows the bar; the newest level replaces a queued one.
  void isToneGainChange(TObject* Sender);
  void bnExitClick(TObject* Sender);

  ControlRegistry& Controls() { return m_controls; }

protected:
  void DoShow() override;

private:
  void SendWorkMode(int mode, bool append);

  IDialogHost& m_host;
  ControlRegistry m_controls;
};

/// The test signal dialog while it exists, else null.
extern TfmTest* fmTest;
