#pragma once

#include <array>

#include "dialogs/LinkGrid.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TForm.h"

class IDialogHost;
class TImage;
class TRzBmpButton;
class TRzGroupBox;

/// The channel link dialog: a lower-triangular grid of radio cells per kind
/// (inputs left, outputs right), one row box per channel, in which each
/// channel leads its own group or joins a lower leader. Set checks the FIR
/// tap budget, copies each leader onto its new members, stores the changed
/// masks and has the unit read back; Exit discards the edits. Created at
/// start-up and kept: the grid survives between showings, and the main
/// window's refresh rebuilds it from the unit model. Every control is
/// registered in Controls() under its name; a cell is
/// "rzb" + row + "LinkIn"/"LinkOut" + column (letters A-C, digits 1-6).
/// GUI thread only.
class TfmLinkSel : public TForm {
public:
  explicit TfmLinkSel(IDialogHost& host, QWidget* parent = nullptr);
  ~TfmLinkSel() override;

  TImage* imLinkSelIn = nullptr;
  TImage* imLinkSelOut = nullptr;
  TImage* imLinkSelButton = nullptr;
  TRzGroupBox* rzgLinkSelIn = nullptr;
  TRzGroupBox* rzgLinkSelOut = nullptr;
  TRzBmpButton* bnSet = nullptr;
  TRzBmpButton* bnExit = nullptr;

  ControlRegistry& Controls() { return m_registry; }
  /// The cell of row and column (ChannelIndex values), or null.
  TRzBmpButton* Cell(int row, int column) const;
  const LinkGrid& Grid() const { return m_grid; }
  /// Non-zero after a grid edit since the dialog was last shown.
  int GridEdited() const { return m_grid.Edited() ? 1 : 0; }
  /// The tap count of the last budget check.
  int TotalTaps() const { return m_totalTaps; }

  /// Puts one channel's LinkMask into the grid (the refresh calls it for
  /// every channel in ascending order).
  void ShowChannelLinks(int channel, unsigned mask);
  void ComputeTotalTaps();
  /// The main window's overlay buttons and leader captions from the diagonal.
  void UpdateMainChannelButtons();
  /// The main window's menu captions from every pressed cell.
  void UpdateMainLinkCaptions();

  /// The row handlers, each bound to every cell of its row.
  void rzbBLinkInAClick(TObject* Sender) { RowClick(1, Sender); }
  void rzbCLinkInAClick(TObject* Sender) { RowClick(2, Sender); }
  void rzb2LinkOut1Click(TObject* Sender) { RowClick(4, Sender); }
  void rzb3LinkOut1Click(TObject* Sender) { RowClick(5, Sender); }
  void rzb4LinkOut1Click(TObject* Sender) { RowClick(6, Sender); }
  void rzb5LinkOut1Click(TObject* Sender) { RowClick(7, Sender); }
  void rzb6LinkOut1Click(TObject* Sender) { RowClick(8, Sender); }
  void bnSetClick(TObject* Sender);
  void bnExitClick(TObject* Sender);

protected:
  /// FormShow: the texts of the current language; clears GridEdited.
  void DoShow() override;

private:
  void Build();
  void BuildPanel(bool inputs);
  /// A row's box with its cells, from the first column of its kind to its diagonal.
  void BuildRow(TRzGroupBox& panel, int row);
  void Register(TControl& control);
  void RowClick(int row, TObject* Sender);
  /// Buttons follow the grid: enabled cells, the pressed cell of each row.
  void SyncCells();
  /// The unit model's groups back into the grid.
  void ShowUnitModelLinks();
  std::array<unsigned, LinkGrid::kChannels> UnitMasks() const;
  /// One reconcile run: charges its copies once, then captions, copies and
  /// masks in order; false (nothing done) when the charge is refused.
  bool Reconcile(int run, bool& changed);

  IDialogHost& m_host;
  ControlRegistry m_registry;
  LinkGrid m_grid;
  int m_totalTaps = 0;
};

/// The link dialog while it exists, else null.
extern TfmLinkSel* fmLinkSel;
