#include "platform/widgets/TValueListEditor.h"

#include <algorithm>

#include <QScrollBar>
#include <QWheelEvent>

#include "platform/drawing/TCanvas.h"
#include "platform/widgets/InputTypes.h"

namespace {

constexpr int kScrollBarWidth = 17;
constexpr int kTextInset = 2;

}  // namespace

TValueListEditor::TValueListEditor(QWidget* parent)
    : TWinControl(parent), m_titles{QStringLiteral("Key"), QStringLiteral("Value")},
      m_scrollBar(new QScrollBar(Qt::Vertical, this)) {
  SetBounds(0, 0, 306, 300);
  SetColor(clWindow);
  SetTabStop(true);
  connect(m_scrollBar, &QScrollBar::valueChanged, this, [this] { Invalidate(); });
  UpdateScrollBar();
}

void TValueListEditor::SetTitleCaptions(const QString& key, const QString& value) {
  m_titles = {key, value};
  Invalidate();
}

void TValueListEditor::SetRows(const QStringList& keys, const QStringList& values) {
  Q_ASSERT(keys.size() == values.size());
  m_keys = keys;
  m_values = values;
  m_row = std::clamp(m_row, 1, std::max(1, RowCount()));
  UpdateScrollBar();
  Invalidate();
}

void TValueListEditor::SetValue(int row, const QString& value) {
  if (row >= 0 && row < RowCount() && m_values[row] != value) {
    m_values[row] = value;
    Invalidate();
  }
}

void TValueListEditor::SetColWidth0(int value) {
  if (value != m_colWidth0) {
    m_colWidth0 = value;
    Invalidate();
  }
}

int TValueListEditor::TopRow() const { return m_scrollBar->isVisible() ? m_scrollBar->value() : 0; }

int TValueListEditor::VisibleRows() const { return std::max(1, (Height() - 2) / kRowHeight - 1); }

void TValueListEditor::UpdateScrollBar() {
  const int hidden = RowCount() - VisibleRows();
  m_scrollBar->setGeometry(Width() - 1 - kScrollBarWidth, 1, kScrollBarWidth, Height() - 2);
  m_scrollBar->setRange(0, std::max(0, hidden));
  m_scrollBar->setPageStep(VisibleRows());
  m_scrollBar->setVisible(hidden > 0);
}

void TValueListEditor::MakeVisible(int row) {
  const int index = row - 1;
  if (index < TopRow()) {
    m_scrollBar->setValue(index);
  } else if (index >= TopRow() + VisibleRows()) {
    m_scrollBar->setValue(index - VisibleRows() + 1);
  }
}

void TValueListEditor::PickRow(int row) {
  if (row < 1 || row > RowCount()) {
    return;
  }
  bool canSelect = true;
  if (OnSelectCell) {
    OnSelectCell(this, 1, row, canSelect);
  }
  if (canSelect) {
    m_row = row;
    MakeVisible(row);
    Invalidate();
  }
}

void TValueListEditor::Paint() {
  TCanvas& canvas = Canvas();
  const int right = Width() - 1 - (m_scrollBar->isVisible() ? kScrollBarWidth : 0);
  canvas.Brush().SetColor(Color());
  canvas.FillRect(Rect(0, 0, Width(), Height()));
  canvas.Font().Assign(Font());
  const auto drawRow = [&](int top, const QString& key, const QString& value, TColor face, TColor text) {
    canvas.Brush().SetColor(face);
    canvas.FillRect(Rect(1, top, right, top + kRowHeight));
    canvas.Font().SetColor(text);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const int y = top + (kRowHeight - canvas.TextHeight(key + value)) / 2;
    canvas.TextRect(Rect(1, top, m_colWidth0, top + kRowHeight), 1 + kTextInset, y, key);
    canvas.TextRect(Rect(m_colWidth0 + 1, top, right, top + kRowHeight), m_colWidth0 + 1 + kTextInset, y, value);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Pen().SetColor(clSilver);
    canvas.MoveTo(1, top + kRowHeight - 1);
    canvas.LineTo(right, top + kRowHeight - 1);
    canvas.MoveTo(m_colWidth0, top);
    canvas.LineTo(m_colWidth0, top + kRowHeight);
  };
  drawRow(1, m_titles.value(0), m_titles.value(1), clBtnFace, clWindowText);
  const int last = std::min(RowCount(), TopRow() + VisibleRows() + 1);
  for (int index = TopRow(); index < last; ++index) {
    const bool current = index + 1 == m_row;
    drawRow(1 + (index - TopRow() + 1) * kRowHeight, m_keys[index], m_values[index],
            current ? clHighlight : Color(), current ? clHighlightText : clWindowText);
  }
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(Rect(0, 0, Width(), Height()));
}

void TValueListEditor::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TWinControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || y < 1 + kRowHeight) {
    return;
  }
  PickRow(TopRow() + (y - 1) / kRowHeight);
}

void TValueListEditor::KeyDown(WORD& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  const int previous = m_row;
  switch (key) {
    case VK_RETURN:
      key = 0;
      PickRow(m_row);
      return;
    case VK_UP:
      m_row = std::max(1, m_row - 1);
      break;
    case VK_DOWN:
      m_row = std::min(RowCount(), m_row + 1);
      break;
    default:
      return;
  }
  key = 0;
  if (m_row != previous) {
    MakeVisible(m_row);
    Invalidate();
  }
}

void TValueListEditor::resizeEvent(QResizeEvent* event) {
  TWinControl::resizeEvent(event);
  UpdateScrollBar();
}

void TValueListEditor::wheelEvent(QWheelEvent* event) {
  m_scrollBar->setValue(m_scrollBar->value() - event->angleDelta().y() / 120);
  event->accept();
}
