#include "components/peq/TMyPEQPanel.h"

#include <utility>

#include <QLocale>

#include "components/peq/PeqBandColors.h"
#include "components/peq/PeqDefaultTexts.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/TEmptyEdit.h"

namespace {

constexpr int kBuiltWidth = 490;
constexpr int kBuiltHeight = 420;
constexpr int kMaxTextLength = 7;
constexpr TColor kBypassedColor = RGB(255, 128, 128);
constexpr TColor kHighlightColor = RGB(0, 176, 0);

}  // namespace

TMyPEQPanel::TMyPEQPanel(QWidget* parent, PeqPanelKind kind)
    : TRzGroupBox(parent),
      m_kind(std::move(kind)),
      m_store(m_kind.flavour, QLocale().decimalPoint()),
      m_typeTexts(m_kind.defaultTypeTexts),
      m_bypassText(PeqBypassText()) {
  SetCaption(QString());
  SetBounds(Left(), Top(), kBuiltWidth, kBuiltHeight);
  m_laidOutWidth = kBuiltWidth;
  m_laidOutHeight = kBuiltHeight;
  // The value boxes draw with Qt's font, which they take from the panel.
  setFont(Font().ToQFont());
  const QString titles[kTitles] = {QStringLiteral("EQ"), QStringLiteral("Frequency"), QStringLiteral("Q"),
                                   QStringLiteral("Gain"), QStringLiteral("Type"),      QStringLiteral("Bypass")};
  for (int i = 0; i < kTitles; ++i) {
    auto* title = new TRzLabel(this);
    title->SetName(QStringLiteral("Title%1").arg(i));
    title->SetAutoSize(false);
    title->SetAlignment(TAlignment::taCenter);
    title->SetTransparent(true);
    title->SetVisible(false);
    title->SetCaption(titles[i]);
    m_titles[std::size_t(i)] = title;
  }
  for (int row = 0; row < kRows; ++row) {
    auto* number = new TRzLabel(this);
    number->SetName(QStringLiteral("Number%1").arg(row));
    number->SetTag(row);
    number->SetAutoSize(false);
    number->SetAlignment(TAlignment::taCenter);
    number->SetTransparent(true);
    number->Font().SetSize(12);
    number->Font().SetColor(PeqBandColors[std::size_t(row) % PeqBandColors.size()]);
    number->SetCaption(QString::number(row + 1));
    m_rows[std::size_t(row)].number = number;
  }
  for (int row = 0; row < kRows; ++row) {
    BuildRow(row);
    BindRow(row);
  }
  LayOut();
}

TMyPEQPanel::~TMyPEQPanel() { UnbindRows(); }

void TMyPEQPanel::BuildRow(int row) {
  Row& r = m_rows[std::size_t(row)];
  const QString names[3] = {QStringLiteral("Frequency%1"), QStringLiteral("Qfactor%1"), QStringLiteral("Gain%1")};
  for (int i = 0; i < 3; ++i) {
    auto* box = new TEmptyEdit(this);
    box->setObjectName(names[i].arg(row));
    box->setFrame(true);
    box->setAlignment(Qt::AlignHCenter);
    box->setLayoutDirection(Qt::LeftToRight);
    box->resize(box->width(), 21);
    r.boxes[std::size_t(i)] = box;
  }
  ShowInBox(row, Box::Qfactor, m_store.QText(row));
  ShowInBox(row, Box::Gain, m_store.GainText(row));
  r.type = new TRzComboBox(this, TComboBoxStyle::csDropDownList);
  r.type->SetName(QStringLiteral("PeqType%1").arg(row));
  r.type->SetTag(row);
  r.type->SetParentFont(true);
  r.bypass = new TRzButton(this);
  r.bypass->SetName(QStringLiteral("ByPass%1").arg(row));
  r.bypass->SetTag(row);
  r.bypass->SetThemeAware(false);
  r.bypass->SetParentFont(true);
  r.bypass->SetCaption(m_bypassText);
}

void TMyPEQPanel::BindRow(int row) {
  Row& r = m_rows[std::size_t(row)];
  for (Box which : {Box::Frequency, Box::Qfactor, Box::Gain}) {
    TEmptyEdit* box = r.boxes[std::size_t(which)];
    // The box is left only when the focus moves on within its window; a
    // window losing the activation (or a popup opening) leaves the typing as it is.
    box->OnExit = [this, box, row, which](TObject*) {
      if (box->window()->focusWidget() != box) {
        BoxDone(row, which);
      }
    };
    box->OnKeyDown = [this, row, which](TObject*, WORD& key, TShiftState) {
      if (key == VK_RETURN) {
        BoxDone(row, which);
      }
    };
    // The limit holds for typing only: the panel's own texts may be longer.
    box->OnKeyPress = [box](TObject*, QChar& key) {
      if (key.isPrint() && box->text().size() - box->selectedText().size() >= kMaxTextLength) {
        key = QChar();
      }
    };
    box->OnMouseDown = [this, row](TObject*, TMouseButton button, TShiftState shift, int x, int y) {
      BoxMouseDown(row, button, shift, x, y);
    };
  }
  r.type->OnChange = [this, row](TObject*) { TypePicked(row); };
  r.type->OnMouseWheel = [this](TObject* sender, TShiftState shift, int delta, QPoint pos, bool& handled) {
    if (OnPeqTypeMouseWheel) {
      OnPeqTypeMouseWheel(sender, shift, delta, pos, handled);
    }
  };
  r.bypass->OnClick = [this, row](TObject*) { BypassClicked(row); };
}

// The children outlive this part of the panel (Qt deletes them later): a
// box losing the focus then must not reach the panel.
void TMyPEQPanel::UnbindRows() {
  for (Row& r : m_rows) {
    for (TEmptyEdit* box : r.boxes) {
      box->OnExit = nullptr;
      box->OnKeyDown = nullptr;
      box->OnKeyPress = nullptr;
      box->OnMouseDown = nullptr;
    }
    r.type->OnChange = nullptr;
    r.type->OnMouseWheel = nullptr;
    r.bypass->OnClick = nullptr;
  }
}

// Owner setters.

void TMyPEQPanel::SetEqParamValue(int row, double hertz, double qIndex, double gain, int type, bool bypass) {
  if (!PeqBandStore::IsRow(row)) {
    return;
  }
  ShowInBox(row, Box::Frequency, m_store.SetFreq(row, hertz));
  ShowInBox(row, Box::Gain, m_store.SetBandGain(row, gain));
  m_rows[std::size_t(row)].type->SetItemIndex(type);
  m_store.SetBypass(row, bypass);
  ShowInBox(row, Box::Qfactor, m_store.SetQ(row, qIndex));
  Change();
}

void TMyPEQPanel::SetFreqValue(int row, double hertz) {
  if (PeqBandStore::IsRow(row)) {
    ShowInBox(row, Box::Frequency, m_store.SetFreq(row, hertz));
    Change();
  }
}

void TMyPEQPanel::SetGainValue(int row, double gain) {
  if (PeqBandStore::IsRow(row)) {
    ShowInBox(row, Box::Gain, m_store.SetGain(row, gain));
    Change();
  }
}

void TMyPEQPanel::SetQValue(int row, double qIndex) {
  if (PeqBandStore::IsRow(row)) {
    ShowInBox(row, Box::Qfactor, m_store.SetQ(row, qIndex));
    Change();
  }
}

void TMyPEQPanel::SetTypeValue(int row, int type) {
  if (PeqBandStore::IsRow(row)) {
    m_rows[std::size_t(row)].type->SetItemIndex(type);
    Change();
  }
}

void TMyPEQPanel::SetBypassValue(int row, bool bypass) {
  if (PeqBandStore::IsRow(row)) {
    m_store.SetBypass(row, bypass);
    Change();
  }
}

int TMyPEQPanel::GetTypeValue(int row) const {
  return PeqBandStore::IsRow(row) ? m_rows[std::size_t(row)].type->ItemIndex() : -1;
}

void TMyPEQPanel::Change() {
  if (!OnChange) {
    return;
  }
  for (int row = 0; row < m_channelNumber; ++row) {
    ColourBypass(row);
  }
  OnChange(this);
}

// User edits.

void TMyPEQPanel::MakeCurrent(int row) {
  m_prevIndex = m_nowIndex;
  m_nowIndex = row;
}

void TMyPEQPanel::ShowInBox(int row, Box box, const QString& text) {
  Row& r = m_rows[std::size_t(row)];
  r.shown[std::size_t(box)] = text;
  r.boxes[std::size_t(box)]->SetText(text);
}

void TMyPEQPanel::BoxDone(int row, Box box) {
  TEmptyEdit* edit = BoxOf(row, box);
  const QString typed = edit->Text();
  // Re-reading an untouched text could move the value: the Q 1.30 reads
  // back as the grid's 1.26.
  if (typed == m_rows[std::size_t(row)].shown[std::size_t(box)]) {
    return;
  }
  const PeqTypedResult result = box == Box::Frequency ? m_store.TypeFreq(row, typed)
                                : box == Box::Qfactor ? m_store.TypeQ(row, typed)
                                                      : m_store.TypeGain(row, typed);
  ShowInBox(row, box, result.shown);
  if (!result.accepted) {
    edit->PerformKey(VK_END, true);
    edit->PerformKey(VK_END, false);
  }
  MakeCurrent(row);
  Change();
}

void TMyPEQPanel::BoxMouseDown(int row, TMouseButton button, TShiftState shift, int x, int y) {
  MakeCurrent(row);
  if (m_kind.forwardEditMouseDown && OnEditMouseDown) {
    OnEditMouseDown(this, button, shift, x, y);
  }
}

void TMyPEQPanel::TypePicked(int row) {
  MakeCurrent(row);
  Change();
}

void TMyPEQPanel::BypassClicked(int row) {
  MakeCurrent(row);
  m_store.ToggleBypass(row);
  ColourBypass(row);
  Change();
}

// Current band.

void TMyPEQPanel::SetNowIndex(int band) {
  const TColor off = UnhighlightColor();
  const bool colours = m_kind.highlight != PeqHighlight::None;
  if (band == -1) {
    SetColor(m_nowIndex, off);
  } else if (band != m_nowIndex) {
    if (colours) {
      SetColor(m_nowIndex, off);
    }
    m_nowIndex = band;
    if (colours) {
      SetColor(m_nowIndex, kHighlightColor);
    }
  } else if (m_prevIndex != m_nowIndex) {
    if (colours) {
      SetColor(m_prevIndex, off);
    }
    m_prevIndex = m_nowIndex;
    if (colours) {
      SetColor(m_nowIndex, kHighlightColor);
    }
  }
}

TColor TMyPEQPanel::UnhighlightColor() const {
  return m_kind.highlight == PeqHighlight::GreenFirstColour ? m_firstBoxColorAtLayout : m_labelColor;
}

void TMyPEQPanel::SetColor(int row, TColor color) {
  if (IsShownRow(row)) {
    ColourBoxes(row, color);
  }
}

void TMyPEQPanel::ColourBypass(int row) {
  if (PeqBandStore::IsRow(row)) {
    m_rows[std::size_t(row)].bypass->SetColor(m_store.Bypass(row) ? kBypassedColor : m_bypassBackColor);
  }
}

TEmptyEdit* TMyPEQPanel::BoxOf(int row, Box box) const { return m_rows[std::size_t(row)].boxes[std::size_t(box)]; }
