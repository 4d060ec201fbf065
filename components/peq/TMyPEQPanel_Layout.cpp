#include "components/peq/TMyPEQPanel.h"

#include <QPalette>

#include "components/peq/PeqDefaultTexts.h"
#include "widgets/buttons/TRzButton.h"
#include "widgets/combo/TRzComboBox.h"
#include "widgets/labels/TRzLabel.h"
#include "widgets/smooth/TEmptyEdit.h"

namespace {

constexpr int kHiddenTop = 10000;
constexpr int kNumberLeft = 12;
constexpr int kNumberWidth = 20;
constexpr int kNumberHeight = 20;
constexpr int kTitleHeight = 13;
constexpr int kSpinnerRoom = 20;

void PaintBox(TEmptyEdit* box, TColor text, TColor base) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Text, ToQColor(text));
  palette.setColor(QPalette::Base, ToQColor(base));
  box->setPalette(palette);
}

}  // namespace

// Layout.

void TMyPEQPanel::Paint() {
  TRzGroupBox::Paint();
  RePaint();
}

void TMyPEQPanel::RePaint() {
  if (Width() == m_laidOutWidth && Height() == m_laidOutHeight) {
    return;
  }
  m_laidOutWidth = Width();
  m_laidOutHeight = Height();
  LayOut();
  for (int row = 0; row < m_channelNumber; ++row) {
    FillTypeList(m_rows[std::size_t(row)].type);
  }
}

void TMyPEQPanel::LayOut() {
  const int titleSpace = m_titleVisable ? kTitleHeight : 0;
  const int columnWidth = (Width() - 68) / 5;
  const int rowHeight = (Height() - m_topBottomSpace - titleSpace - 16) / m_channelNumber;
  const int boxWidth = m_updownVisable ? columnWidth - kSpinnerRoom : columnWidth;
  const int left0 = kNumberLeft + kNumberWidth;
  for (int k = 0; k < kRows; ++k) {
    Row& r = m_rows[std::size_t(k)];
    if (k >= m_channelNumber) {
      HideRow(r);
      continue;
    }
    const int labelTop = m_topBottomSpace + titleSpace + rowHeight * k + 8;
    r.number->SetBounds(kNumberLeft, labelTop, kNumberWidth, kNumberHeight);
    r.number->SetCaption(QString::number(k + 1));
    r.number->SetVisible(true);
    const int top = labelTop - 1;
    for (int i = 0; i < 3; ++i) {
      TEmptyEdit* box = r.boxes[std::size_t(i)];
      box->setGeometry(left0 + 8 + i * (columnWidth + 8), top, boxWidth, box->height());
      box->setVisible(true);
    }
    r.type->SetBounds(left0 + 3 * columnWidth + 32, top, columnWidth + 8, r.type->Height());
    r.type->SetVisible(true);
    r.bypass->SetBounds(left0 + 4 * columnWidth + 46, top, columnWidth - 14, r.boxes[2]->height());
    r.bypass->SetCaption(m_bypassText);
    r.bypass->SetVisible(true);
  }
  PlaceTitles(columnWidth, rowHeight);
  m_firstBoxColorAtLayout = m_rows[0].boxColor;
}

void TMyPEQPanel::PlaceTitles(int columnWidth, int rowHeight) {
  for (int i = 0; i < kTitles; ++i) {
    TRzLabel* title = m_titles[std::size_t(i)];
    if (i == 0) {
      title->SetBounds(kNumberLeft, m_topBottomSpace, kNumberWidth, rowHeight);
    } else {
      title->SetBounds(8 * i + (i - 1) * columnWidth + 33, m_topBottomSpace, columnWidth - 15, rowHeight);
    }
  }
}

void TMyPEQPanel::HideRow(Row& r) {
  r.number->SetVisible(false);
  r.number->SetTop(kHiddenTop);
  for (TEmptyEdit* box : r.boxes) {
    box->setVisible(false);
    box->move(box->x(), kHiddenTop);
  }
  r.type->SetVisible(false);
  r.type->SetTop(kHiddenTop);
  r.bypass->SetVisible(false);
  r.bypass->SetTop(kHiddenTop);
}

void TMyPEQPanel::FillTypeList(TRzComboBox* list) {
  list->SetItemIndex(0);
  list->SetItems(m_typeTexts);
  list->SetItemIndex(0);
}

// Window creation and texts.

void TMyPEQPanel::showEvent(QShowEvent* event) {
  HandleNeeded();
  TRzGroupBox::showEvent(event);
}

void TMyPEQPanel::HandleNeeded() {
  if (!m_windowCreated) {
    m_windowCreated = true;
    CreateWnd();
  }
}

void TMyPEQPanel::CreateWnd() {
  m_typeTexts = m_kind.defaultTypeTexts;
  m_bypassText = PeqBypassText();
  for (int row = 0; row < m_channelNumber; ++row) {
    TRzComboBox* list = m_rows[std::size_t(row)].type;
    for (const QString& text : m_typeTexts) {
      list->Add(text);
    }
    list->SetItemIndex(1);
  }
}

void TMyPEQPanel::SetEqTypeString(const QString& text, int index) {
  if (index >= 0 && index < m_typeTexts.size()) {
    m_typeTexts[index] = text;
  }
}

void TMyPEQPanel::SetBypassString(const QString& text) { m_bypassText = text; }

void TMyPEQPanel::ChangeLanguage() {
  for (int row = 0; row < m_channelNumber; ++row) {
    Row& r = m_rows[std::size_t(row)];
    const int selected = r.type->ItemIndex();
    r.type->SetItems(m_typeTexts);
    r.type->SetItemIndex(selected);
    r.bypass->SetCaption(m_bypassText);
  }
}

// Properties.

void TMyPEQPanel::SetChannelNumber(int value) {
  if (value == m_channelNumber) {
    return;
  }
  m_channelNumber = value > kRows ? kRows : value < 1 ? 1 : value;
  Change();
}

void TMyPEQPanel::SetUpdownVisable(bool value) {
  if (StoreIfChanged(m_updownVisable, value)) {
    RePaint();
  }
}

void TMyPEQPanel::SetTitleVisable(bool value) {
  if (value == m_titleVisable) {
    return;
  }
  for (TRzLabel* title : m_titles) {
    title->SetVisible(value);
  }
  m_titleVisable = value;
  RePaint();
}

void TMyPEQPanel::SetTopBottomSpace(int value) { m_topBottomSpace = value < 0 ? 0 : value > 255 ? 255 : value; }

void TMyPEQPanel::SetLabelColor(TColor value) {
  if (value == m_labelColor) {
    return;
  }
  for (TRzLabel* title : m_titles) {
    title->Font().SetColor(value);
  }
  m_labelColor = value;
  RePaint();
}

void TMyPEQPanel::SetEditBackColor(TColor value) {
  if (!StoreIfChanged(m_editBackColor, value)) {
    return;
  }
  m_boxBackColor = value;
  for (int row = 0; row < m_channelNumber; ++row) {
    ColourBoxBack(m_rows[std::size_t(row)]);
  }
  RePaint();
}

void TMyPEQPanel::SetBypassBackColor(TColor value) {
  if (!StoreIfChanged(m_bypassBackColor, value)) {
    return;
  }
  for (int row = 0; row < m_channelNumber; ++row) {
    m_rows[std::size_t(row)].bypass->SetColor(value);
  }
  RePaint();
}

// Colours and fonts of the value boxes.

void TMyPEQPanel::ColourBoxes(int row, TColor color) {
  Row& r = m_rows[std::size_t(row)];
  r.boxColor = color;
  for (TEmptyEdit* box : r.boxes) {
    PaintBox(box, color, m_boxBackColor);
  }
}

void TMyPEQPanel::ColourBoxBack(Row& r) {
  for (TEmptyEdit* box : r.boxes) {
    PaintBox(box, r.boxColor, m_boxBackColor);
  }
  r.type->SetColor(m_boxBackColor);
}

void TMyPEQPanel::FontChanged() {
  TRzGroupBox::FontChanged();
  setFont(Font().ToQFont());
}
