#include "plot/objects/TiPlotLegend.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "platform/core/Rounding.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/iDrawing.h"
#include "plot/channels/TiPlotChannelCustom.h"
#include "plot/core/TiPlotComponent.h"
#include "plot/core/TiPlotKindManager.h"
#include "plot/core/TiPlotMasterManager.h"
#include "plot/objects/TiPlotXAxis.h"
#include "plot/objects/TiPlotYAxis.h"

void TiPlotLegendButton::Draw(TCanvas& canvas, TColor) {
  if (Visible()) {
    DrawScrollFace(canvas);
  }
}

TiPlotLegend::TiPlotLegend(TiPlotComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                           TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      m_upButton(std::make_unique<TiPlotLegendButton>(owner)),
      m_downButton(std::make_unique<TiPlotLegendButton>(owner)) {
  SetHorizontal(false);
  m_font.SetColor(clWhite);
  m_selectedItemFont.SetColor(clBlack);
  m_columnTitlesFont.SetColor(clAqua);
  m_columnTitlesFont.SetStyle({TFontStyle::fsBold});
  for (TFont* font : {&m_font, &m_selectedItemFont, &m_columnTitlesFont}) {
    font->OnChange = [this](TObject*) { DoChange(); };
  }
  for (TiPlotLegendButton* button : {m_upButton.get(), m_downButton.get()}) {
    button->SetVisible(false);
    button->SetTimerEnabled(true);
    button->OnInvalidate = [this](TObject*) { Raise(OnInvalidateNow, this); };
  }
  m_upButton->OnClick = [this](TObject*) {
    if (m_itemViewStartIndex > 0) {
      --m_itemViewStartIndex;
      Raise(OnInvalidateNow, this);
    }
  };
  m_downButton->OnClick = [this](TObject*) {
    if (m_itemViewStartIndex < int(m_items.size()) - 1) {
      ++m_itemViewStartIndex;
      Raise(OnInvalidateNow, this);
    }
  };
}

TiPlotLegend::~TiPlotLegend() {
  for (TFont* font : {&m_font, &m_selectedItemFont, &m_columnTitlesFont}) {
    font->OnChange = nullptr;
  }
}

QString TiPlotLegend::ChannelLabel(const TiPlotChannelCustom& channel) {
  return channel.TitleText().trimmed().isEmpty() ? channel.Name() : channel.TitleText();
}

QString TiPlotLegend::ValueText(TiPlotChannelCustom& channel, bool x) {
  if (m_cursorAllChannels) {
    return x ? channel.DataCursorXText() : channel.DataCursorYText();
  }
  if (channel.Count() == 0) {
    return TranslateString(QStringLiteral("Empty"));
  }
  TiPlotAxis* axis = x ? static_cast<TiPlotAxis*>(channel.XAxis()) : static_cast<TiPlotAxis*>(channel.YAxis());
  if (axis == nullptr) {
    return TranslateString(QStringLiteral("N/A"));
  }
  return axis->GetLegendText(x ? channel.XLast() : channel.YLast());
}

bool TiPlotLegend::ColumnShown(Column column) const {
  switch (column) {
    case cLine:
      return m_showColumnLine;
    case cMarker:
      return m_showColumnMarker;
    case cName:
      return true;
    case cXAxisTitle:
      return m_showColumnXAxisTitle;
    case cYAxisTitle:
      return m_showColumnYAxisTitle;
    case cXValue:
      return m_showXValue2;
    case cYValue:
      return m_showYValue2;
    case cYMax:
      return m_showColumnYMax;
    case cYMin:
      return m_showColumnYMin;
    case cYMean:
      return m_showColumnYMean;
    case cCount:
      break;
  }
  return false;
}

QString TiPlotLegend::ColumnCaption(Column column) const { return TranslateString(m_captions[column]); }

QString TiPlotLegend::CellText(TiPlotChannelCustom& channel, Column column) {
  switch (column) {
    case cXAxisTitle:
    case cYAxisTitle: {
      TiPlotAxis* axis = column == cXAxisTitle ? static_cast<TiPlotAxis*>(channel.XAxis())
                                               : static_cast<TiPlotAxis*>(channel.YAxis());
      if (axis == nullptr) {
        return TranslateString(QStringLiteral("None"));
      }
      return axis->Title().trimmed().isEmpty() ? axis->Name() : axis->Title();
    }
    case cXValue:
    case cYValue:
      return ValueText(channel, column == cXValue);
    case cYMax:
    case cYMin:
    case cYMean:
      if (channel.Count() == 0) {
        return TranslateString(QStringLiteral("Empty"));
      }
      if (channel.YAxis() == nullptr) {
        return TranslateString(QStringLiteral("N/A"));
      }
      return channel.YAxis()->GetLegendText(column == cYMax   ? channel.RunningYMax()
                                            : column == cYMin ? channel.RunningYMin()
                                                              : channel.RunningYMean());
    default:
      return ChannelLabel(channel);
  }
}

void TiPlotLegend::Layout(TCanvas& canvas) {
  canvas.Font().Assign(m_font);
  const QString zero = QStringLiteral("0");
  const int w0 = canvas.TextWidth(zero);
  const int h0 = canvas.TextHeight(zero);
  const int top = Round(h0 * m_marginTop);
  const int bottom = Round(h0 * m_marginBottom);
  const int left = Round(w0 * m_marginLeft);
  const int right = Round(w0 * m_marginRight);
  const TRect d = DrawRect();
  const TRect inner{d.Left + left, d.Top + top, d.Right - right, d.Bottom - bottom};
  m_columnSpacingPixels = Round(w0 * m_columnSpacing);
  m_rowSpacingPixels = Round(h0 * m_rowSpacing);
  m_wrapSpacingPixels = Round(h0 * m_wrapColSpacingMin);
  m_itemHeight = h0;
  m_maxItemHeight = 0;
  std::fill(std::begin(m_width), std::end(m_width), 0);
  m_showXValue2 = m_showColumnXValue || m_cursorAllChannels;
  m_showYValue2 = m_showColumnYValue || m_cursorAllChannels;
  m_items.clear();
  for (TiPlotObject* object : Owner()->Master().ChannelManager().Snapshot()) {
    auto* channel = dynamic_cast<TiPlotChannelCustom*>(object);
    if (channel != nullptr && channel->VisibleInLegend()) {
      m_items.push_back({channel, h0, 0, 0, 0, 0});
    }
  }
  const int n = int(m_items.size());
  if (n == 0) {
    m_requiredWidth = 0;
    m_requiredHeight = 0;
    return;
  }
  m_itemViewStartIndex = std::clamp(m_itemViewStartIndex, 0, n - 1);
  m_titlesHeight = 0;
  m_titlesMargin = 0;
  if (m_columnTitlesVisible) {
    canvas.Font().Assign(m_columnTitlesFont);
    m_titlesHeight = canvas.TextHeight(zero);
    m_titlesMargin = m_titlesHeight / 4;
    for (int c = cName; c < cCount; ++c) {
      if (ColumnShown(Column(c))) {
        m_width[c] = std::max(m_width[c], canvas.TextWidth(ColumnCaption(Column(c))));
      }
    }
  }
  const int nameWidth = Round(w0 * m_channelNameMaxWidth);
  m_maxItemHeight = 0;
  for (TiPlotLegendItem& item : m_items) {
    const QString label = ChannelLabel(*item.Channel);
    if (m_channelNameMaxWidth != 0) {
      // Names wrap inside the fixed column; an entry is as high as its
      // name wrapped in the taller of the two fonts.
      canvas.Font().Assign(m_selectedItemFont);
      item.MaxHeight = WrappedTextHeight(canvas, label, nameWidth);
      canvas.Font().Assign(m_font);
      item.MaxHeight = std::max(item.MaxHeight, WrappedTextHeight(canvas, label, nameWidth));
      m_width[cName] = std::max(m_width[cName], nameWidth);
    } else {
      canvas.Font().Assign(m_selectedItemFont);
      m_width[cName] = std::max(m_width[cName], canvas.TextWidth(label));
      canvas.Font().Assign(m_font);
      m_width[cName] = std::max(m_width[cName], canvas.TextWidth(label));
    }
    m_maxItemHeight = std::max(m_maxItemHeight, item.MaxHeight);
    for (int c = cXAxisTitle; c < cCount; ++c) {
      if (ColumnShown(Column(c))) {
        m_width[c] = std::max(m_width[c], canvas.TextWidth(CellText(*item.Channel, Column(c))));
      }
    }
  }
  for (Column c : {cLine, cMarker}) {
    if (ColumnShown(c)) {
      m_width[c] = m_lineColumnWidth + 3;
    }
  }
  int offset = 0;
  for (int c = 0; c < cCount; ++c) {
    m_start[c] = offset;
    if (ColumnShown(Column(c))) {
      offset += m_width[c] + m_columnSpacingPixels;
    }
  }
  m_itemWidth = offset - m_columnSpacingPixels;
  m_itemsRect = {inner.Left, inner.Top + m_titlesHeight + m_titlesMargin, inner.Right, inner.Bottom};
  const int itemsWidth = inner.Width() - (Horizontal() ? 25 : 0);
  const int g = std::max(1, (m_itemsRect.Height() + m_rowSpacingPixels) / (m_maxItemHeight + m_rowSpacingPixels));
  const int h = std::max(1, (itemsWidth + m_wrapSpacingPixels) / (m_itemWidth + m_wrapSpacingPixels));
  int cols = m_wrapColAutoCountEnabled ? m_wrapColAutoCountMax : m_wrapColDesiredCount;
  const int rows = m_wrapRowAutoCountEnabled ? m_wrapRowAutoCountMax : m_wrapRowDesiredCount;
  const auto ceilDiv = [](int a, int b) { return (a + b - 1) / b; };
  int k = 0;
  if (Horizontal()) {
    cols = std::min(cols, h);
    k = m_wrapRowAutoCountEnabled ? ceilDiv(n, cols) : rows;
    k = std::min(k, rows);
    if (k < 3 && k * cols < n) {
      k = 3;
    }
    if (m_wrapColAutoCountEnabled) {
      cols = std::min(cols, ceilDiv(n, k));
    }
  } else {
    if (m_wrapColAutoCountEnabled) {
      cols = ceilDiv(n, g);
    }
    cols = std::min(cols, m_wrapColAutoCountMax);
    k = std::min({g, n, rows});
    if (k < 3 && k * cols < n) {
      k = 3;
    }
  }
  m_itemViewStopIndex = n - 1;
  m_columnList = {inner.Left};
  int r = 1;
  int c = 1;
  int y = m_itemsRect.Top;
  int firstColumnRows = 0;
  for (int i = m_itemViewStartIndex; i < n; ++i) {
    TiPlotLegendItem& item = m_items[std::size_t(i)];
    if (c == 1) {
      firstColumnRows = r;
    }
    item.ARow = r;
    item.ACol = c;
    item.ALeft = m_columnList[std::size_t(c - 1)];
    item.ATop = y;
    y += m_maxItemHeight + m_rowSpacingPixels;
    ++r;
    if (r > k && i != n - 1) {
      r = 1;
      y = m_itemsRect.Top;
      ++c;
      if (c > cols) {
        m_itemViewStopIndex = i;
        break;
      }
      m_columnList.push_back((c - 1) * (m_itemWidth + m_wrapSpacingPixels) + inner.Left);
    }
  }
  m_requiredWidth = cols * m_itemWidth + (cols - 1) * m_wrapSpacingPixels + left + right;
  m_requiredHeight = top + m_titlesHeight + m_titlesMargin + k * (m_maxItemHeight + m_rowSpacingPixels) - m_rowSpacingPixels + bottom;
  if (k * cols < n && Enabled()) {
    m_upButton->SetVisible(true);
    m_downButton->SetVisible(true);
    m_upButton->SetDrawRect({inner.Right - 17, inner.Top, inner.Right, inner.Top + 17});
    m_downButton->SetDrawRect({inner.Right - 17, inner.Bottom - 17, inner.Right, inner.Bottom});
    m_requiredWidth += 25;
  } else {
    m_upButton->SetVisible(false);
    m_downButton->SetVisible(false);
    m_itemViewStartIndex = 0;
  }
  if (m_wrapColSpacingAuto && Horizontal() && cols > 1) {
    const int gap = static_cast<int>(std::trunc(double(itemsWidth - cols * m_itemWidth) / (cols - 1)));
    for (TiPlotLegendItem& item : m_items) {
      item.ALeft = (item.ACol - 1) * (m_itemWidth + gap) + inner.Left;
    }
    for (std::size_t i = 0; i < m_columnList.size(); ++i) {
      m_columnList[i] = int(i) * (m_itemWidth + gap) + inner.Left;
    }
  }
  // Spreading only widens the gaps: rows that do not fit keep their spacing
  // rather than overlap.
  const int spread =
      firstColumnRows > 1
          ? static_cast<int>(
                std::trunc(double(m_itemsRect.Height() - m_maxItemHeight * firstColumnRows) / (firstColumnRows - 1)))
          : 0;
  if (m_wrapRowSpacingAuto && !Horizontal() && firstColumnRows > 1 && spread > m_rowSpacingPixels) {
    m_rowSpacingPixels = spread;
    for (TiPlotLegendItem& item : m_items) {
      item.ATop = (item.ARow - 1) * (m_maxItemHeight + m_rowSpacingPixels) + m_itemsRect.Top;
    }
  }
  m_upButton->SetEnabled(m_itemViewStartIndex != 0);
  m_downButton->SetEnabled(m_itemViewStopIndex != n - 1);
}

int TiPlotLegend::GetRequiredWidth(TCanvas& canvas) {
  Layout(canvas);
  return Horizontal() ? m_requiredHeight : m_requiredWidth;
}

void TiPlotLegend::DrawLineSample(TCanvas& canvas, const TiPlotChannelCustom& channel, int x, int y) {
  canvas.Pen().SetColor(channel.Color());
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  const int half = m_lineColumnHeight / 2;
  std::vector<std::pair<int, int>> segments;
  if (m_lineColumnWidth == 13) {
    switch (channel.TraceLineStyle()) {
      case TiPlotLineStyle::iplsSolid:
        segments = {{0, 13}};
        break;
      case TiPlotLineStyle::iplsDash:
        segments = {{0, 5}, {8, 13}};
        break;
      case TiPlotLineStyle::iplsDot:
        segments = {{0, 2}, {4, 6}, {8, 10}};
        break;
      case TiPlotLineStyle::iplsDashDot:
        segments = {{0, 5}, {7, 9}};
        break;
      case TiPlotLineStyle::iplsDashDotDot:
        segments = {{0, 5}, {7, 9}, {11, 13}};
        break;
    }
  } else {
    canvas.Pen().SetStyle(static_cast<TPenStyle>(static_cast<int>(channel.TraceLineStyle())));
    segments = {{0, m_lineColumnWidth}};
  }
  for (int b = -half; b <= -half + m_lineColumnHeight; ++b) {
    for (const auto& [from, to] : segments) {
      canvas.Polyline({{x + from, y + b}, {x + to, y + b}});
    }
  }
}

void TiPlotLegend::Draw(TCanvas& canvas, TColor backGroundColor) {
  if (!Visible()) {
    return;
  }
  Layout(canvas);
  if (m_items.empty()) {
    return;
  }
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  if (!m_backGroundTransparent) {
    canvas.Brush().SetColor(m_backGroundColor);
    canvas.FillRect(DrawRect());
  }
  if (m_columnTitlesVisible) {
    canvas.Font().Assign(m_columnTitlesFont);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const int top = m_itemsRect.Top - m_titlesMargin - m_titlesHeight;
    for (int left : m_columnList) {
      for (int c = cName; c < cCount; ++c) {
        if (!ColumnShown(Column(c))) {
          continue;
        }
        const TextFlags align = c == cName                            ? iTextFlag::Left
                                : c == cXAxisTitle || c == cYAxisTitle ? iTextFlag::Center
                                                                       : iTextFlag::Right;
        TRect cell{left + m_start[c], top, left + m_start[c] + m_width[c], top + m_titlesHeight};
        iDrawText(canvas, ColumnCaption(Column(c)), cell, m_columnTitlesFont.Color(), true,
                  TextFlags(align | iTextFlag::VCenter | iTextFlag::SingleLine | iTextFlag::NoClip));
      }
    }
  }
  for (TiPlotLegendItem& item : m_items) {
    item.Channel->SetLegendRect({});
  }
  for (int i = m_itemViewStartIndex; i <= m_itemViewStopIndex; ++i) {
    TiPlotLegendItem& item = m_items[std::size_t(i)];
    TiPlotChannelCustom& channel = *item.Channel;
    TRect nameRect{item.ALeft + m_start[cName], item.ATop, item.ALeft + m_start[cName] + m_width[cName] + 1,
                   item.ATop + item.MaxHeight};
    channel.SetLegendRect(nameRect);
    const int centreY = item.ATop + m_itemHeight / 2;
    if (m_showColumnLine) {
      DrawLineSample(canvas, channel, item.ALeft + m_start[cLine], centreY);
    }
    if (m_showColumnMarker) {
      channel.DrawMarker(canvas, -1, backGroundColor, {item.ALeft + m_start[cMarker] + m_width[cMarker] / 2, centreY});
    }
    if (channel.UserSelected()) {
      canvas.Brush().SetStyle(TBrushStyle::bsSolid);
      canvas.Brush().SetColor(m_selectedItemBackGroundColor);
      canvas.FillRect(nameRect);
      canvas.Font().Assign(m_selectedItemFont);
    } else {
      canvas.Font().Assign(m_font);
    }
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TColor nameColour = canvas.Font().Color();
    if (m_channelNameColorStyle == TiPlotLegendChannelNameColorStyle::iplcncsChannelColor) {
      nameColour = channel.Color();
    } else if (m_channelNameColorStyle == TiPlotLegendChannelNameColorStyle::iplcncsXAxisFontColor &&
               channel.XAxis() != nullptr) {
      nameColour = channel.XAxis()->LabelsFont().Color();
    } else if (m_channelNameColorStyle == TiPlotLegendChannelNameColorStyle::iplcncsYAxisFontColor &&
               channel.YAxis() != nullptr) {
      nameColour = channel.YAxis()->LabelsFont().Color();
    }
    TRect r = nameRect;
    iDrawText(canvas, ChannelLabel(channel), r, nameColour, true,
              TextFlags(iTextFlag::Left | iTextFlag::Top | iTextFlag::WordBreak | iTextFlag::WordEllipsis));
    canvas.Font().Assign(m_font);
    for (int col = cXAxisTitle; col < cCount; ++col) {
      if (!ColumnShown(Column(col))) {
        continue;
      }
      const bool title = col == cXAxisTitle || col == cYAxisTitle;
      TRect cell{item.ALeft + m_start[col], item.ATop, item.ALeft + m_start[col] + m_width[col],
                 item.ATop + m_itemHeight};
      iDrawText(canvas, CellText(channel, Column(col)), cell, m_font.Color(), true,
                TextFlags((title ? iTextFlag::Left : iTextFlag::Right) | iTextFlag::VCenter));
    }
  }
  for (TiPlotLegendButton* button : {m_upButton.get(), m_downButton.get()}) {
    if (button->Visible()) {
      button->DrawWithScrollArrow(canvas, backGroundColor, button == m_upButton.get());
    }
  }
  if (UserSelected()) {
    TRect focus = DrawRect();
    if (Horizontal()) {
      focus.Top += 2;
      focus.Bottom -= 2;
    } else {
      focus.Left += 2;
      focus.Right -= 2;
    }
    DrawFocusRectangle(canvas, focus);
  }
}

TiPlotObject* TiPlotLegend::DoMouseOver(int x, int y) {
  TiPlotObject* answer = TiPlotLayoutObject::DoMouseOver(x, y);
  const auto in = [x, y](const TRect& r) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; };
  if (m_upButton->Visible() && in(m_upButton->DrawRect())) {
    return m_upButton.get();
  }
  if (m_downButton->Visible() && in(m_downButton->DrawRect())) {
    return m_downButton.get();
  }
  for (const TiPlotLegendItem& item : m_items) {
    if (in(item.Channel->LegendRect())) {
      return item.Channel;
    }
  }
  return answer;
}

void TiPlotLegend::DoMouseUp(const TiPlotMouseData& mouseData) {
  if (MouseIsDown() && MouseHitTest(mouseData)) {
    Owner()->DoObjectClick(this);
  }
}

void TiPlotLegend::NotificationSetFocus(TObject* sender) {
  TiPlotLayoutObject::NotificationSetFocus(sender);
  auto* other = dynamic_cast<TiPlotObject*>(sender);
  if (other != nullptr && other != this && other->UserSelected()) {
    SetUserSelected(false);
  }
}

void TiPlotLegend::NotificationRemove(TObject* sender) {
  TiPlotLayoutObject::NotificationRemove(sender);
  std::erase_if(m_items, [sender](const TiPlotLegendItem& item) { return item.Channel == sender; });
}
