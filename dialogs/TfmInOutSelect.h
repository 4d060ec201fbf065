#pragma once

#include <cstdint>

#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TComboBox;
class TImage;
class TLabel;
class TRzBmpButton;
class TRzGroupBox;

/// Chooses the physical type of each input and output pair (Analog,
/// AES/EBU and, on units with the option, Dante) and the routing of the two
/// Dante output pairs. Each list's HelpContext names its group (0 inputs,
/// 1 outputs, 2 Dante outputs) and its Tag its pair; a pick is sent as
/// CMD_SOURCE_TYPE and mirrored by the main window's type label of the
/// pair. The lists are not read back from the unit at showing; the main
/// window's refresh sets every list and the type labels.
/// Created at start-up and kept. GUI thread only.
class TfmInOutSelect : public TForm {
public:
  explicit TfmInOutSelect(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmInOutSelect() override;

  /// The form's outer heights (title bar and borders included) with and
  /// without the Dante group; the frame takes kFrameHeight of them.
  static constexpr int kHeightWithDante = 413;
  static constexpr int kHeightWithoutDante = 313;
  static constexpr int kFrameHeight = 39;

  TImage* imBase = nullptr;
  TRzGroupBox* gbInSelect = nullptr;
  TLabel* lbInABSel = nullptr;
  TComboBox* cbInABSel = nullptr;
  TLabel* lbInCDSel = nullptr;
  TComboBox* cbInCDSel = nullptr;
  TRzGroupBox* gbOutSelect = nullptr;
  TLabel* lbOut12Sel = nullptr;
  TComboBox* cbOut12Sel = nullptr;
  TLabel* lbOut34Sel = nullptr;
  TComboBox* cbOut34Sel = nullptr;
  TLabel* lbOut56Sel = nullptr;
  TComboBox* cbOut56Sel = nullptr;
  TRzGroupBox* gbDanteOutSelect = nullptr;
  TLabel* lbDanteOut12 = nullptr;
  TComboBox* cbDanteOut12 = nullptr;
  TLabel* lbDanteOut34 = nullptr;
  TComboBox* cbDanteOut34 = nullptr;
  TRzBmpButton* bnExit = nullptr;

  /// Non-zero when the unit has the Dante option; 1 when created.
  std::int32_t DanteAvailable = 0;

  void SetDanteAvailable(int flag) { DanteAvailable = flag; }
  /// Shows the type of a pair on the main window's label (group 0 inputs,
  /// 1 outputs; value 0 Analog hides the label).
  void ShowSourceTypeLabel(int group, int pair, int value);
  /// What ShowSourceTypeLabel does, on the labels of a registry: pair 0-1
  /// of group 0 is lbSelDigitalIn1-2 ("AES/EBU" for 1, "Dante" above),
  /// pair 0-2 of group 1 lbSelDigitalOut1-3 ("AES/EBU"); any other group
  /// or pair, or a missing label, changes nothing.
  static void ShowSourceTypeLabelOn(ControlRegistry& controls, int group, int pair, int value);

  void FormCreate();
  /// Bound to all seven lists.
  void cbInABSelChange(TObject* Sender);
  void bnExitClick(TObject* Sender);

  ControlRegistry& Controls() { return m_controls; }

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  ControlRegistry m_controls;
};

/// The input/output type dialog while it exists, else null.
extern TfmInOutSelect* fmInOutSelect;
