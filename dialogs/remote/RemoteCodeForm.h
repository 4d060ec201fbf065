#pragma once

#include <array>

#include "dialogs/remote/RemoteCodeFrame.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class TComboBox;
class TEdit;
class TImage;
class TLabel;
class TRzGroupBox;

/// The remote-control code reference: the installer picks a command kind,
/// the unit id and the parameters and reads off the code to program into
/// an external controller. It sends nothing, and showing it changes
/// nothing, so the last code stays between showings. The English and the
/// Chinese form differ only in their texts (and the English form's
/// fixed-height type and volume lists). GUI thread only.
class RemoteCodeForm : public TForm {
public:
  TImage* imLinkSelIn = nullptr;
  TRzGroupBox* gbCommand = nullptr;
  TLabel* lbId = nullptr;
  TComboBox* cbId = nullptr;
  TLabel* lbType = nullptr;
  TComboBox* cbType = nullptr;
  TRzGroupBox* gbParameter = nullptr;
  TLabel* lbValue1 = nullptr;
  TLabel* lbValue2 = nullptr;
  TLabel* lbValue3 = nullptr;
  TLabel* lbRemoteCtrl = nullptr;
  TEdit* edRemoteCtrl = nullptr;
  TLabel* lbInformation = nullptr;

  /// The list of a parameter selector.
  TComboBox* Selector(RemoteSelector selector) const { return m_selectors[static_cast<std::size_t>(selector)]; }
  /// The code being composed (CodeText, CodeHead, CodeTail).
  const RemoteCodeFrame& Frame() const { return m_frame; }
  ControlRegistry& Controls() { return m_controls; }

  void cbTypeChange(TObject* Sender);
  void cbIdChange(TObject* Sender);
  void cb1InOutSelChange(TObject* Sender);
  void cb1FactoryUserSelChange(TObject* Sender);
  void cb1InChannelSelChange(TObject* Sender);
  void cb1OutChannelSelChange(TObject* Sender);
  void cb2InChSelChange(TObject* Sender);
  void cb2OutChSelChange(TObject* Sender);
  void cb2PresetSelChange(TObject* Sender);
  void cb2VolumeChange(TObject* Sender);
  void cb3IncDecSelChange(TObject* Sender);
  void cb3MuteSelChange(TObject* Sender);
  void cb3OnOffSelChange(TObject* Sender);

protected:
  /// Builds the form in English or Chinese.
  RemoteCodeForm(bool chinese, QWidget* parent);

private:
  void SelectorChange(RemoteSelector selector);
  /// Shows the frame: every list's item, the selectors in front, the code.
  void ShowFrame();

  RemoteCodeFrame m_frame;
  std::array<TComboBox*, kRemoteSelectorCount> m_selectors{};
  ControlRegistry m_controls;
};
