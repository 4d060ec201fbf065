#pragma once

#include <array>
#include <cstdint>

#include "platform/widgets/TForm.h"

class IDialogHost;
class TEdit;
class TImage;
class TLabel;
class TRadioButton;
class TRzBmpButton;
class TRzGroupBox;

/// The network setup: the unit id the editor puts into every command and,
/// while no unit is online, the unit's IPv4 address set by hand. It sends
/// the unit nothing and keeps no data of its own: the address lives in the
/// main window's SelectedUnitAddress, the id in UnitId; only the id field
/// keeps the last id entered between showings. It also shows the selected
/// unit address for the rest of the link layer. Made at start-up and kept.
/// GUI thread only.
class TfmNetworkSetup : public TForm {
public:
  explicit TfmNetworkSetup(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmNetworkSetup() override;

  /// Ids the dialog accepts.
  static constexpr int kMinId = 1;
  static constexpr int kMaxId = 250;

  TImage* imBase = nullptr;
  TRzGroupBox* gbIpSetting = nullptr;
  TEdit* edIp1 = nullptr;
  TEdit* edIp2 = nullptr;
  TEdit* edIp3 = nullptr;
  TEdit* edIp4 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TRadioButton* rbManualSetting = nullptr;  ///< checked, hidden: the manual setting stays
  TRadioButton* rbAutoSetting = nullptr;    ///< hidden
  TRzGroupBox* gbIdSetting = nullptr;
  TLabel* lbMessage = nullptr;
  TEdit* edId = nullptr;
  TRzBmpButton* bnSet = nullptr;
  TRzBmpButton* bnExit = nullptr;

  /// The four address fields, first octet first.
  std::array<TEdit*, 4> AddressFields() const { return {edIp1, edIp2, edIp3, edIp4}; }

  /// The fields take SelectedUnitAddress; the client socket's address
  /// follows them.
  void ShowAddress();
  /// SelectedUnitAddress as "%d.%d.%d.%d", first octet first.
  QString AddressText() const;
  /// The look for a linked unit (address and id fixed, silver) or not.
  void ShowLinkedState(bool linked);

  void FormShow(TObject* Sender);
  void bnSetClick(TObject* Sender);
  void bnExitClick(TObject* Sender);
  /// Shared by the address fields and the id field: the whole text selected.
  void edIp1Enter(TObject* Sender);
  void edIp1Exit(TObject* Sender);
  void edIp1KeyPress(TObject* Sender, QChar& Key);
  void edIdExit(TObject* Sender);
  void edIdKeyPress(TObject* Sender, QChar& Key);
  void rbManualSettingClick(TObject* Sender);
  void rbAutoSettingClick(TObject* Sender);

private:
  void SetAddressFieldsEnabled(bool enabled);
  static void SetFieldEnabled(TEdit& field, bool enabled);
  /// 256 or more becomes "255"; empty fields are left alone.
  static void LimitOctet(TEdit& field);
  /// Above 250 becomes "250", 0 or less "1"; empty fields are left alone.
  static void LimitId(TEdit& field);
  void Finish();

  IDialogHost& m_host;
};

/// The network setup dialog while it exists, else null.
extern TfmNetworkSetup* fmNetworkSetup;
