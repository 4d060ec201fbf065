#pragma once

#include <cstdint>

#include <QByteArray>

#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TEdit;
class TImage;
class TLabel;
class TRzBmpButton;

/// Renames one channel: opened from a channel's name label on the main
/// window's overview. OK stores the name through the main window, which
/// sends it to the unit, even when it did not change; the edit then shows
/// the name as the unit holds it. Created at start-up and kept. GUI thread
/// only.
class TfmChannelName : public TForm {
public:
  explicit TfmChannelName(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmChannelName() override;

  TImage* imBase = nullptr;
  TLabel* lbChannelName = nullptr;
  TLabel* lbChannel = nullptr;
  TEdit* edName = nullptr;
  TRzBmpButton* btnOK = nullptr;
  TRzBmpButton* bnCancel = nullptr;

  /// The channel whose name is edited (0-2 inputs, 3-8 outputs).
  std::int32_t NameChannel = 0;

  /// Takes the channel and shows it as "InB :" or "Out4 :".
  void SetChannel(int channel);
  /// Shows an 8-bit name (the unit's code page) cut to 8 bytes at a
  /// character boundary, without trailing CRs and blanks.
  void SetNameText(const QByteArray& name);

  void FormActivate(TObject* Sender);
  void edNameKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void btnOKClick(TObject* Sender);
  void bnCancelClick(TObject* Sender);

  ControlRegistry& Controls() { return m_controls; }

protected:
  void DoShow() override;

private:
  IDialogHost& m_host;
  ControlRegistry m_controls;
};

/// The channel name dialog while it exists, else null.
extern TfmChannelName* fmChannelName;
