#include "dialogs/TfmLinkSel.h"

#include <vector>

#include "dialogs/DialogParts.h"
#include "dialogs/IDialogHost.h"
#include "dialogs/TfmInformation.h"
#include "platform/pictures/TBitmap.h"
#include "platform/drawing/TCanvas.h"
#include "platform/widgets/TImage.h"
#include "platform/widgets/TLabel.h"
#include "widgets/buttons/ButtonFaces.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/panels/TRzGroupBox.h"
#include "widgets/panelset/Gradients.h"

TfmLinkSel* fmLinkSel = nullptr;

namespace {

constexpr int kFirTapBudget = 4096;
constexpr int kLinkSelClientWidth = 742;
constexpr int kLinkSelClientHeight = 297;
constexpr int kPanelTop = 8;
constexpr int kPanelHeight = 236;
constexpr int kColumnPitch = 74;
constexpr int kCellWidth = 64;
constexpr int kCellHeight = 26;
constexpr int kRowTop = 30;
constexpr int kLinkSelRowPitch = 34;
constexpr int kRowInset = 6;
constexpr int kStripTop = 250;
constexpr TColor kKey = clFuchsia;
constexpr TColor kFormColor = RGB(24, 28, 36);
/// The band of a row across the column strips.
constexpr TColor kRowColor = RGB(38, 44, 56);

/// The letter or digit that names a channel within its kind.
QString Mark(int channel) { return channel < 3 ? QString(QChar('A' + channel)) : QString::number(channel - 2); }

QString CellName(int row, int column) {
  return QStringLiteral("rzb") + Mark(row) + (row < 3 ? QStringLiteral("LinkIn") : QStringLiteral("LinkOut")) +
         Mark(column);
}

/// A picture the size of its control, filled with a gradient.
TImage& AddPicture(QWidget& parent, const QString& name, const TRect& bounds, Rz::TGradientDirection direction,
                   TColor start, TColor stop) {
  auto* image = new TImage(&parent);
  image->SetName(name);
  image->SetBounds(bounds.Left, bounds.Top, bounds.Right - bounds.Left, bounds.Bottom - bounds.Top);
  image->SetStretch(true);
  TBitmap& bitmap = image->Picture().Bitmap();
  bitmap.SetSize(image->Width(), image->Height());
  Rz::FillGradient(bitmap.Canvas(), Rect(0, 0, image->Width(), image->Height()), direction, start, stop, 64);
  return *image;
}

/// A flat, dark face with a grey outline: a cell that cannot be pressed.
void PaintDisabledFace(TBitmap& face, int width, int height) {
  face.SetSize(width, height);
  TCanvas& canvas = face.Canvas();
  canvas.Brush().SetColor(kKey);
  canvas.FillRect(Rect(0, 0, width, height));
  canvas.Brush().SetColor(RGB(34, 36, 40));
  canvas.Pen().SetColor(RGB(74, 78, 86));
  canvas.Rectangle(1, 1, width - 1, height - 1);
}

/// The first column of a panel's kind and its number of columns.
int FirstChannel(bool inputs) { return inputs ? 0 : 3; }
int ChannelCount(bool inputs) { return inputs ? 3 : 6; }

int PanelWidth(bool inputs) { return inputs ? 240 : 478; }

/// Left of a column within its panel: the columns centred.
int ColumnLeft(bool inputs, int position) {
  const int used = (ChannelCount(inputs) - 1) * kColumnPitch + kCellWidth;
  return (PanelWidth(inputs) - used) / 2 + position * kColumnPitch;
}

}  // namespace

TfmLinkSel::TfmLinkSel(IDialogHost& host, QWidget* parent) : TForm(parent), m_host(host) {
  SetName(QStringLiteral("fmLinkSel"));
  SetCaption(QStringLiteral("Link Selection"));
  DialogParts::SetDialogFrame(*this, kLinkSelClientWidth, kLinkSelClientHeight);
  SetColor(kFormColor);
  Build();
  SyncCells();
  fmLinkSel = this;
}

TfmLinkSel::~TfmLinkSel() {
  if (fmLinkSel == this) {
    fmLinkSel = nullptr;
  }
}

void TfmLinkSel::Register(TControl& control) { m_registry.Register(control.Name(), &control); }

void TfmLinkSel::Build() {
  BuildPanel(true);
  BuildPanel(false);
  imLinkSelButton = &AddPicture(*this, QStringLiteral("imLinkSelButton"),
                                Rect(0, kStripTop, kLinkSelClientWidth, kLinkSelClientHeight), Rz::TGradientDirection::gdVerticalEnd,
                                RGB(56, 64, 80), RGB(20, 22, 28));
  Register(*imLinkSelButton);
  bnSet = &DialogParts::AddButton(*this, QStringLiteral("bnSet"), 271, kStripTop + 8, mrNone);
  bnExit = &DialogParts::AddButton(*this, QStringLiteral("bnExit"), 391, kStripTop + 8, mrNone);
  bnExit->SetCancel(true);
  for (TRzBmpButton* button : {bnSet, bnExit}) {
    Register(*button);
  }
  bnSet->OnClick = [this](TObject* sender) { bnSetClick(sender); };
  bnExit->OnClick = [this](TObject* sender) { bnExitClick(sender); };
}

void TfmLinkSel::BuildPanel(bool inputs) {
  const QString kind = inputs ? QStringLiteral("In") : QStringLiteral("Out");
  auto* panel = new TRzGroupBox(this);
  panel->SetName(QStringLiteral("rzgLinkSel") + kind);
  panel->SetBounds(inputs ? 8 : 256, kPanelTop, PanelWidth(inputs), kPanelHeight);
  panel->SetCaption(QString());
  Register(*panel);
  TImage& background = AddPicture(*panel, QStringLiteral("imLinkSel") + kind,
                                  Rect(0, 0, PanelWidth(inputs), kPanelHeight), Rz::TGradientDirection::gdVerticalEnd,
                                  RGB(70, 80, 100), RGB(24, 28, 36));
  Register(background);
  (inputs ? rzgLinkSelIn : rzgLinkSelOut) = panel;
  (inputs ? imLinkSelIn : imLinkSelOut) = &background;

  const int first = FirstChannel(inputs);
  const int count = ChannelCount(inputs);
  for (int position = 0; position < count; ++position) {
    const int column = first + position;
    const int left = ColumnLeft(inputs, position);
    TImage& strip = AddPicture(*panel, QStringLiteral("rzsLinkSel") + ChannelSuffix(column),
                               Rect(left - 2, kRowTop - 4, left + kCellWidth + 2, kRowTop + count * kLinkSelRowPitch),
                               Rz::TGradientDirection::gdHorizontalCenter, RGB(58, 66, 82), RGB(92, 104, 126));
    Register(strip);
    TLabel& label = DialogParts::AddLabel(*panel, QStringLiteral("lbLinkSel") + ChannelSuffix(column), left, 8,
                                          ChannelSuffix(column));
    label.SetAutoSize(false);
    label.SetBounds(left, 8, kCellWidth, 16);
    label.SetAlignment(TAlignment::taCenter);
    label.Font().SetStyle({TFontStyle::fsBold});
    Register(label);
  }

  for (int row = first; row < first + count; ++row) {
    BuildRow(*panel, row);
  }
}

void TfmLinkSel::BuildRow(TRzGroupBox& panel, int row) {
  // Handlers of the rows with more than one cell, by row.
  static constexpr std::array<void (TfmLinkSel::*)(TObject*), LinkGrid::kChannels> kHandlers = {
      nullptr,
      &TfmLinkSel::rzbBLinkInAClick,
      &TfmLinkSel::rzbCLinkInAClick,
      nullptr,
      &TfmLinkSel::rzb2LinkOut1Click,
      &TfmLinkSel::rzb3LinkOut1Click,
      &TfmLinkSel::rzb4LinkOut1Click,
      &TfmLinkSel::rzb5LinkOut1Click,
      &TfmLinkSel::rzb6LinkOut1Click};
  const bool inputs = row < 3;
  const int first = FirstChannel(inputs);
  auto* box = new TRzGroupBox(&panel);
  box->SetName(QStringLiteral("rzgLinkSel") + ChannelSuffix(row));
  box->SetBounds(kRowInset, kRowTop + (row - first) * kLinkSelRowPitch, PanelWidth(inputs) - 2 * kRowInset, kCellHeight + 4);
  box->SetCaption(QString());
  box->SetGroupStyle(TRzGroupBoxStyle::gsCustom);
  box->SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  box->SetColor(kRowColor);
  Register(*box);
  for (int column = first; column <= row; ++column) {
    auto* cell = new TRzBmpButton(box);
    cell->SetName(CellName(row, column));
    cell->SetBounds(ColumnLeft(inputs, column - first) - kRowInset, 2, kCellWidth, kCellHeight);
    cell->SetCaption(ChannelSuffix(row));
    cell->SetGroupIndex(1);
    cell->SetTag(column - first);
    cell->Font().SetName(QStringLiteral("Arial"));
    cell->Font().SetHeight(-13);
    cell->Font().SetColor(clWhite);
    ButtonFaces::Fill(cell->Bitmaps(), kCellWidth, kCellHeight, kKey);
    TBitmap disabled;
    PaintDisabledFace(disabled, kCellWidth, kCellHeight);
    cell->Bitmaps().SetDisabled(disabled);
    if (const auto handler = kHandlers[std::size_t(row)]) {
      cell->OnClick = [this, handler](TObject* sender) { (this->*handler)(sender); };
    }
    Register(*cell);
  }
}

TRzBmpButton* TfmLinkSel::Cell(int row, int column) const {
  return LinkGrid::HasCell(row, column) ? m_registry.Find<TRzBmpButton>(CellName(row, column)) : nullptr;
}

void TfmLinkSel::SyncCells() {
  for (int row = 0; row < LinkGrid::kChannels; ++row) {
    for (int column = LinkGrid::FirstOfKind(row); column <= row; ++column) {
      if (TRzBmpButton* cell = Cell(row, column)) {
        cell->SetEnabled(m_grid.IsEnabled(row, column));
        if (m_grid.IsPressed(row, column)) {
          cell->SetDown(true);
        }
      }
    }
  }
}

void TfmLinkSel::RowClick(int row, TObject* Sender) {
  const auto* cell = dynamic_cast<TControl*>(Sender);
  if (cell == nullptr) {
    return;
  }
  m_grid.Press(row, LinkGrid::FirstOfKind(row) + cell->Tag());
  SyncCells();
}

void TfmLinkSel::ShowChannelLinks(int channel, unsigned mask) {
  m_grid.ShowChannelLinks(channel, mask);
  SyncCells();
}

void TfmLinkSel::ShowUnitModelLinks() {
  for (int channel = 0; channel < LinkGrid::kChannels; ++channel) {
    ShowChannelLinks(channel, m_host.LinkMaskOf(channel));
  }
}

std::array<unsigned, LinkGrid::kChannels> TfmLinkSel::UnitMasks() const {
  std::array<unsigned, LinkGrid::kChannels> masks{};
  for (int channel = 0; channel < LinkGrid::kChannels; ++channel) {
    masks[std::size_t(channel)] = m_host.LinkMaskOf(channel);
  }
  return masks;
}

void TfmLinkSel::ComputeTotalTaps() {
  std::array<int, LinkGrid::kChannels> taps{};
  for (int channel = 0; channel < LinkGrid::kChannels; ++channel) {
    taps[std::size_t(channel)] = m_host.ChannelFirTaps(channel);
  }
  m_totalTaps = m_grid.ComputeTotalTaps(taps);
}

void TfmLinkSel::UpdateMainChannelButtons() {
  for (int channel = 0; channel < LinkGrid::kChannels; ++channel) {
    const bool leads = m_grid.IsPressed(channel, channel);
    m_host.UpdateLinkShowButtons(channel, leads);
    if (leads) {
      m_host.UpdateLinkCaption(channel, channel);
    }
  }
}

void TfmLinkSel::UpdateMainLinkCaptions() {
  for (int column = 0; column < LinkGrid::kChannels; ++column) {
    for (int row = column; row <= LinkGrid::LastOfKind(column); ++row) {
      if (m_grid.IsPressed(row, column)) {
        m_host.UpdateLinkCaption(column, row);
      }
    }
  }
}

bool TfmLinkSel::Reconcile(int run, bool& changed) {
  const std::vector<LinkOperation> operations = m_grid.Reconcile(UnitMasks(), run);
  if (operations.empty()) {
    return true;
  }
  // The copies are charged as one, before anything is sent: charged one by
  // one, a later copy that gives taps back could not pay for an earlier one,
  // and a refusal half-way would leave a group linked without its settings.
  if (!m_host.ChargeLinkChanges(operations)) {
    return false;
  }
  for (const LinkOperation& operation : operations) {
    switch (operation.kind) {
      case LinkOperation::Kind::Caption:
        m_host.UpdateLinkCaption(operation.first, operation.second);
        break;
      case LinkOperation::Kind::Copy:
        m_host.CopyChargedChannel(operation.first, operation.second, 0);
        changed = true;
        break;
      case LinkOperation::Kind::Mask:
        m_host.SendChannelLink(operation.first, operation.second);
        changed = true;
        break;
    }
  }
  return true;
}

void TfmLinkSel::bnSetClick(TObject* /*Sender*/) {
  ComputeTotalTaps();
  if (m_totalTaps > kFirTapBudget) {
    if (fmInformation != nullptr) {
      fmInformation->lbMessage->SetCaption(m_host.LookUpText(QStringLiteral("SID_INFO_ERROR_FIR_TAPS")));
      fmInformation->ShowModal();
    }
    ShowUnitModelLinks();
    return;
  }
  bool changed = false;
  if (!Reconcile(1, changed)) {
    ShowUnitModelLinks();
    return;
  }
  // Sends nothing as long as the first run stored every copy and mask.
  Reconcile(2, changed);
  if (changed) {
    m_host.ReloadAfterLinkChange();
    UpdateMainChannelButtons();
    m_host.ShowGainPage();
  }
  Close();
}

void TfmLinkSel::bnExitClick(TObject* /*Sender*/) {
  if (GridEdited() != 0) {
    ShowUnitModelLinks();
  }
  Close();
}

void TfmLinkSel::DoShow() {
  SetCaption(m_host.LookUpText(QStringLiteral("SID_LINK_TITLE")));
  bnSet->SetCaption(m_host.LookUpText(QStringLiteral("SID_SET")));
  bnExit->SetCaption(m_host.LookUpText(QStringLiteral("SID_EXIT")));
  m_grid.ClearEdited();
  TForm::DoShow();
}
