#pragma once

#include <array>

class TAdvTrackBar;
class TCurvyEdit;
class TEdit;
class TImage;
class TLabel;
class TMyPEQFir;
class TRadioButton;
class TRzBmpButton;
class TRzButton;
class TRzComboBox;
class TRzGroupBox;
class TRzPanel;
class TVrDemoButton;
class TVrPowerButton;
class TiPlot;

/// The controls of the FIR designer that its code reaches often, by their
/// form names. Every one of them is also registered by name in the
/// designer's ControlRegistry. The pointers do not own: the controls belong
/// to the form. GUI thread only.
struct FirDesignForm {
  static constexpr int kBands = 10;

  // Frame and plot.
  TRzGroupBox* rzgFirMain = nullptr;
  TRzGroupBox* rzgFirFft = nullptr;
  TRzGroupBox* rzgFirParam = nullptr;
  TRzGroupBox* rzgFirFftShowCh = nullptr;
  TImage* imLeftUpBase = nullptr;
  TImage* imRightUpBase = nullptr;
  TImage* imLeftDownBase = nullptr;
  TImage* imRightDownBase = nullptr;
  TiPlot* fftFirDraw = nullptr;
  TiPlot* fftFirDrawMag = nullptr;
  TiPlot* fftFirDrawPhase = nullptr;
  TRadioButton* rbFirShowGain = nullptr;
  TRadioButton* rbFirShowPhase = nullptr;
  TVrPowerButton* vrbCurveLoad = nullptr;
  TVrPowerButton* vrbCurvePeq = nullptr;
  TVrPowerButton* vrbCurveTarget = nullptr;
  TVrPowerButton* vrbCurveExpect = nullptr;
  TVrPowerButton* vrbCurveFir = nullptr;
  TVrPowerButton* vrbCurveSmooth = nullptr;
  TVrDemoButton* vrbFirEqBypass = nullptr;
  TVrDemoButton* vrbFirEqReset = nullptr;
  TVrDemoButton* vrbFirZoomIn = nullptr;
  TVrDemoButton* vrbFirZoomOut = nullptr;

  // Equaliser.
  TAdvTrackBar* isFirEqFreq = nullptr;
  TAdvTrackBar* isFirEqGain = nullptr;
  TAdvTrackBar* isFirEqBw = nullptr;
  TCurvyEdit* cvdFirEqParam = nullptr;
  TMyPEQFir* peqFirEq = nullptr;
  std::array<TRzBmpButton*, kBands> rzbFirEq{};

  // Measurement, target, ranges and output.
  TLabel* lbNowImportName = nullptr;
  TLabel* lbNowTargetName = nullptr;
  TLabel* lbFirOutSet = nullptr;
  TRzButton* sbOpenFirFile = nullptr;
  TRzButton* sbOpenTargetFile = nullptr;
  TRzBmpButton* rzbClearImport = nullptr;
  TEdit* edFirImportGain = nullptr;
  TEdit* edFirImportDelay = nullptr;
  TEdit* edFirMagMinFreq = nullptr;
  TEdit* edFirMagMaxFreq = nullptr;
  TEdit* edFirPhaseMinFreq = nullptr;
  TEdit* edFirPhaseMaxFreq = nullptr;
  TEdit* edFirOutSetTaps = nullptr;
  TEdit* edFirOutSetDelay = nullptr;
  TEdit* edFirName = nullptr;
  TRzBmpButton* sbAutoGain = nullptr;
  TRzBmpButton* sbAutoDelay = nullptr;
  TRzBmpButton* sbFirOutSetDelay = nullptr;
  TRzBmpButton* rzbFirMagRangeOnOff = nullptr;
  TRzBmpButton* rzbFirPhaseRangeOnOff = nullptr;
  TRzBmpButton* rzblbTargetOnOff = nullptr;
  TRzComboBox* rzcFirOutSetSmooth = nullptr;
  TRzBmpButton* rzbFirOutSetSend = nullptr;

  // Value holders: track bars outside the visible area of their groups.
  TAdvTrackBar* isFirImportGain = nullptr;
  TAdvTrackBar* isFirImportDelay = nullptr;
  TAdvTrackBar* isFirMagMinFreq = nullptr;
  TAdvTrackBar* isFirMagMaxFreq = nullptr;
  TAdvTrackBar* isFirPhaseMinFreq = nullptr;
  TAdvTrackBar* isFirPhaseMaxFreq = nullptr;
  TAdvTrackBar* isFirOutSetTaps = nullptr;
  TAdvTrackBar* isFirOutSetDelay = nullptr;
};
