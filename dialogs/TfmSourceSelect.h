#pragma once

#include <cstdint>

#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TComboBox;
class TImage;
class TRzBmpButton;
class TRzGroupBox;

/// Chooses for each channel whether it takes its own signal or its pair
/// with the neighbouring channel: one list per channel, "cb" + "InA".."Out6"
/// (found in Controls()), whose Tag is the channel (0-8) both for the
/// pairing bit it shows and for the one it sets. Showing reads the unit
/// model; a pick sets the bit through the main window, which sends it.
/// Created at start-up and kept. GUI thread only.
class TfmSourceSelect : public TForm {
public:
  explicit TfmSourceSelect(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmSourceSelect() override;

  TImage* imBase = nullptr;
  TRzGroupBox* gbInput = nullptr;
  TRzGroupBox* gbOutput = nullptr;
  TRzBmpButton* bnExit = nullptr;

  /// Set while showing fills the lists, so that nothing is sent.
  std::int32_t FillingCombos = 0;

  /// Bound to all nine lists.
  void cbInAChange(TObject* Sender);
  void bnExitClick(TObject* Sender);

  ControlRegistry& Controls() { return m_controls; }
  /// The list of channel 0-8, or null.
  TComboBox* SourceCombo(int channel) const;

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  ControlRegistry m_controls;
};

/// The source selection dialog while it exists, else null.
extern TfmSourceSelect* fmSourceSelect;
