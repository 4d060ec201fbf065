#pragma once

#include <array>
#include <memory>

#include "firdesign/FirDesignControls.h"
#include "firdesign/FirDesignView.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class FirDesignEngine;
class IFirDesignHost;
class TEdit;
class TAdvTrackBar;
struct FirDesignForm;

/// The FIR designer dialog: the user imports a loudspeaker measurement and
/// a target, sets gain, delay, ranges, equaliser, smoothing, taps and name,
/// sees measurement, correction and predicted result in magnitude and phase
/// and, after a confirmation, hands the FIR to the channel it designs for.
/// Its controls are built in code and found by name in Controls(); it owns
/// the design computation and shows it through FirDesignView. Created once
/// after the main window and kept for the whole run (`fmFirDesign`); it
/// reaches the main window only through its host, which must outlive it.
/// GUI thread only.
class TfmFirDesign : public TForm, public FirDesignView, public FirDesignControls {
public:
  /// The form's outer size as designed; below it the form scrolls.
  static constexpr int kDesignWidth = 1125;
  static constexpr int kDesignHeight = 626;

  explicit TfmFirDesign(IFirDesignHost& host, QWidget* parent = nullptr);
  ~TfmFirDesign() override;

  ControlRegistry& Controls() { return m_registry; }
  FirDesignForm& Form() { return *m_form; }
  FirDesignEngine& Engine() { return *m_engine; }

  /// The channel (0..8) the next design is for.
  void SetDesignChannel(int channel);
  int DesignChannel() const;
  /// Bottom and span of the magnitude view, in dB.
  int YMinimum() const { return m_yMinimum; }
  int YSpan() const { return m_ySpan; }

  /// Hands the design to the input or output FIR store of the channel.
  void ApplyDesignedFir();
  /// Puts the ten equaliser bands back to their defaults and recomputes.
  void ResetDesignEq();
  /// The time zero back to half the taps, shown in edFirOutSetDelay.
  void ResetOutputDelay();
  /// Shows a band on the three track bars (which pass it on to the band
  /// panel) and their boxes.
  void ShowEqBandParameters(bool enable, double q, double gain, double frequency);

  // Form (TfmFirDesign.cpp).
  void FormCreate();
  /// Texts in the current language, the output group's title and the tap
  /// limit of the channel.
  void FormShow();
  /// Lays the groups out for the form's outer size.
  void FormResize(int outerWidth, int outerHeight);
  void rbFirShowGainClick(TObject* Sender);
  void vrbCurveLoadClick(TObject* Sender);
  void vrbFirZoomInClick(TObject* Sender);
  void rzbFirOutSetSendClick(TObject* Sender);
  void sbOpenFirFileClick(TObject* Sender);
  void sbOpenTargetFileClick(TObject* Sender);
  void rzbClearImportClick(TObject* Sender);
  void fftFirDrawXAxisCustomizeLabel(int Index, double Value, QString& ALabel);
  void fftFirDrawYAxisCustomizeLabel(int Index, double Value, QString& ALabel);

  // Typed values and switches (TfmFirDesign_Editing.cpp).
  void edFirImportGainExit(TObject* Sender);
  void edFirImportDelayExit(TObject* Sender);
  void edFirOutSetTapsExit(TObject* Sender);
  void edFirOutSetDelayExit(TObject* Sender);
  /// All four range edits; the edit's Tag chooses the bound.
  void edFirMagMinFreqExit(TObject* Sender);
  void edFirNameExit(TObject* Sender);
  void sbAutoGainClick(TObject* Sender);
  void sbAutoDelayClick(TObject* Sender);
  void sbFirOutSetDelayClick(TObject* Sender);
  /// Both range switches.
  void rzbFirMagRangeOnOffClick(TObject* Sender);
  void rzblbTargetOnOffClick(TObject* Sender);
  void rzcFirOutSetSmoothChange(TObject* Sender);

  // Equaliser (TfmFirDesign_Eq.cpp).
  /// All ten band select buttons; the button's Tag is the band.
  void rzbFirEq1Click(TObject* Sender);
  void isFirEqFreqChange(TObject* Sender);
  void isFirEqBwChange(TObject* Sender);
  void isFirEqGainChange(TObject* Sender);
  void cvdFirEqParamKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void peqFirEqChange(TObject* Sender);
  void vrbFirEqBypassClick(TObject* Sender);
  void vrbFirEqResetClick(TObject* Sender);

  // FirDesignView.
  void ShowCurve(int channel, const double* x, const double* y, int count) override;
  void ShowImportGain(int position, const QString& text) override;
  void ShowImportDelay(int position, const QString& text) override;
  void ShowMeasurementName(const QString& name) override;
  void ShowTargetName(const QString& name) override;
  void ShowFirName(const QString& name) override;
  void ShowInformation(const char* textKey) override;

  // FirDesignControls.
  bool IsDown(FirDesignSwitch which) const override;
  FirDesignBand Band(int band) const override;

protected:
  void DoShow() override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void BindHandlers();
  void BindEdit(TEdit* edit, void (TfmFirDesign::*commit)(TObject*));
  void SetUpPlot();
  /// The magnitude (true) or phase view with the channels of the active curves.
  void ShowView(bool magnitude);
  void SetMagnitudeAxis();
  /// Design target, smoothing, synthesis and predicted result, drawn once.
  void RunDesignChain();
  /// Synthesis and predicted result, drawn once.
  void Resynthesize();
  /// Puts the caret of the edit at its end, as an End key would.
  static void CaretToEnd(TEdit& edit);
  /// The commit of the import or output delay edit.
  void CommitDelay(TEdit& edit, TAdvTrackBar& holder, bool import);
  void FocusEqParam();

  /// FreqIndex of the ten default bands, and their QIndex (Q 3.0).
  static constexpr std::array<int, FirDesignControls::kBandCount> kDefaultBandIndex = {1,   31,  63,  95,  127,
                                                                                      158, 190, 222, 253, 285};
  static constexpr int kDefaultQIndex = 35;

  IFirDesignHost& m_host;
  ControlRegistry m_registry;
  std::unique_ptr<FirDesignForm> m_form;
  std::unique_ptr<FirDesignEngine> m_engine;
  int m_yMinimum = -27;
  int m_ySpan = 54;
  bool m_magnitudeView = true;
  bool m_eqChangeGuard = false;
  int m_plotUpdateDepth = 0;  ///< open NestedPlotUpdate scopes of fftFirDraw
  std::array<int, FirDesignControls::kBandCount> m_rememberedBandType{};
};

/// The FIR designer while it exists, else null.
extern TfmFirDesign* fmFirDesign;
