#include "widgets/panels/TRzGroupBox.h"

#include "platform/drawing/GdiConstants.h"
#include "platform/drawing/TCanvas.h"
#include "widgets/common/Accelerators.h"
#include "widgets/panelset/PaintHelpers.h"

TRzGroupBox::TRzGroupBox(QWidget* parent) : TRzCustomPanel(parent) {
  SetBorderOuter(Rz::TFrameStyleEx::fsNone);
  SetBorderInner(Rz::TFrameStyleEx::fsNone);
  SetAlignment(TAlignment::taLeftJustify);
  SetAlignmentVertical(TAlignmentVertical::avTop);
  SetHeight(105);
  m_captionFont.Assign(Font());
  m_captionFont.OnChange = [this](TObject*) {
    if (!m_followingFont) {
      m_captionFontChanged = true;
    }
    Invalidate();
  };
}

TRzGroupBox::~TRzGroupBox() { m_captionFont.OnChange = nullptr; }

void TRzGroupBox::SetGroupStyle(TRzGroupBoxStyle value) { StoreAndRealign(m_groupStyle, value); }
void TRzGroupBox::SetBannerHeight(int value) { StoreAndRealign(m_bannerHeight, value); }

int TRzGroupBox::FontHeight(const TFont& font) const { return font.TextMetrics().tmHeight; }

void TRzGroupBox::FontChanged() {
  TRzCustomPanel::FontChanged();
  if (!m_captionFontChanged) {
    m_followingFont = true;
    m_captionFont.Assign(Font());
    m_followingFont = false;
  }
  Invalidate();
}

void TRzGroupBox::AdjustClientRect(TRect& rect) const {
  TRzCustomPanel::AdjustClientRect(rect);
  const int h = FontHeight(Font());
  switch (m_groupStyle) {
    case TRzGroupBoxStyle::gsStandard:
    case TRzGroupBoxStyle::gsFlat: {
      const int a = h / 2 - 1;
      rect.Top += a >= BorderWidth() ? h - BorderWidth() : a;
      const int d = m_groupStyle == TRzGroupBoxStyle::gsStandard ? 2 : 1;
      rect = InflateRect(rect, -d, -d);
      break;
    }
    case TRzGroupBoxStyle::gsCustom:
      if (!Caption().isEmpty()) {
        rect.Top += h;
      }
      rect = InflateRect(rect, -2, -2);
      break;
    case TRzGroupBoxStyle::gsTopLine:
      rect.Top += h;
      break;
    case TRzGroupBoxStyle::gsBanner:
      rect.Top += m_bannerHeight != 0 ? m_bannerHeight : h + 8;
      break;
    case TRzGroupBoxStyle::gsUnderline:
      rect.Top += h + 4;
      break;
  }
}

TRect TRzGroupBox::CaptionRect() const {
  if (Caption().isEmpty() || m_groupStyle == TRzGroupBoxStyle::gsCustom) {
    return {};
  }
  TCanvas measure;
  measure.Font().Assign(m_captionFont);
  const TSize size = measure.TextExtent(Rz::StripAccelerators(Caption()));
  switch (m_groupStyle) {
    case TRzGroupBoxStyle::gsTopLine:
      return Rect(0, 0, size.cx + 4, size.cy);
    case TRzGroupBoxStyle::gsBanner:
      return Rect(0, 0, Width(), m_bannerHeight != 0 ? m_bannerHeight : size.cy + 6);
    case TRzGroupBoxStyle::gsUnderline:
      return Rect(0, 0, Width(), size.cy + 2);
    default:
      return Rect(8, 0, 8 + size.cx, size.cy);
  }
}

void TRzGroupBox::Paint() {
  if (m_groupStyle == TRzGroupBoxStyle::gsCustom) {
    TRzCustomPanel::Paint();
    return;
  }
  TCanvas& canvas = Canvas();
  canvas.Font().Assign(m_captionFont);
  const TRect caption = CaptionRect();
  const int level = canvas.SaveDC();
  if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(ClientRectOfWindow());
  } else if (m_groupStyle != TRzGroupBoxStyle::gsBanner && !caption.IsEmpty()) {
    canvas.ExcludeClipRect(caption.Left, caption.Top, caption.Right, caption.Bottom);
  }
  PaintFrame(caption);
  canvas.RestoreDC(level);
  if (!caption.IsEmpty()) {
    PaintCaption(caption);
  }
  canvas.Font().Assign(Font());
  Raise(OnPaint, this);
  PaintDockSite();
}

void TRzGroupBox::PaintFrame(const TRect& c) {
  using Rz::TFrameStyleEx;
  TCanvas& canvas = Canvas();
  const TRect f = Rect(0, FontHeight(m_captionFont) / 2 - 1, Width(), Height());
  const TColor m = Rz::AdjustedShade(FlatColor(), FlatColorAdjustment());
  const auto line = [&canvas](TColor color, int x0, int y0, int x1, int y1) {
    canvas.Pen().SetColor(color);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
  };
  const Rz::TSides top{Rz::TSide::sdTop};
  switch (m_groupStyle) {
    case TRzGroupBoxStyle::gsStandard:
      switch (BorderOuter()) {
        case TFrameStyleEx::fsNone: Rz::StrokeFrameStyle(canvas, f, TFrameStyleEx::fsGroove); break;
        case TFrameStyleEx::fsFlat: Rz::StrokeBox(canvas, f, m); break;
        case TFrameStyleEx::fsFlatBold: Rz::StrokeBevel(canvas, f, m, m, Rz::AllSides, 2); break;
        default: Rz::StrokeFrameStyle(canvas, f, BorderOuter()); break;
      }
      break;
    case TRzGroupBoxStyle::gsTopLine:
      switch (BorderOuter()) {
        case TFrameStyleEx::fsNone: Rz::StrokeFrameStyle(canvas, f, TFrameStyleEx::fsGroove, top); break;
        case TFrameStyleEx::fsFlat: line(m, f.Left + 2, f.Top, f.Right - 2, f.Top); break;
        case TFrameStyleEx::fsFlatBold:
          line(m, f.Left + 2, f.Top, f.Right - 2, f.Top);
          line(m, f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 1);
          break;
        default: Rz::StrokeFrameStyle(canvas, f, BorderOuter(), top); break;
      }
      break;
    case TRzGroupBoxStyle::gsFlat:
      line(m, f.Left, f.Top + 2, f.Left, f.Bottom - 2);
      line(m, f.Left + 2, f.Top, f.Right - 2, f.Top);
      line(m, f.Right - 1, f.Top + 2, f.Right - 1, f.Bottom - 2);
      line(m, f.Left + 2, f.Bottom - 1, f.Right - 2, f.Bottom - 1);
      canvas.SetPixel(f.Left + 1, f.Top + 1, m);
      canvas.SetPixel(f.Right - 2, f.Top + 1, m);
      canvas.SetPixel(f.Right - 2, f.Bottom - 2, m);
      canvas.SetPixel(f.Left + 1, f.Bottom - 2, m);
      break;
    case TRzGroupBoxStyle::gsBanner: {
      if (c.IsEmpty()) {
        break;
      }
      Rz::TBannerColors colors;
      if (GradientColorStyle() == Rz::TRzGradientColorStyle::gcsCustom) {
        colors = {GradientColorStart(), GradientColorStop(), m};
      } else {
        colors = Rz::OfficeBannerColors(GradientColorStyle());
      }
      line(colors.Frame, c.Left, c.Top + 1, c.Left, c.Bottom - 1);
      line(colors.Frame, c.Left + 1, c.Top, c.Right - 1, c.Top);
      line(colors.Frame, c.Right - 1, c.Top + 1, c.Right - 1, c.Bottom - 1);
      line(colors.Frame, c.Left + 1, c.Bottom - 1, c.Right - 1, c.Bottom - 1);
      Rz::FillGradient(canvas, InflateRect(c, -1, -1), Rz::TGradientDirection::gdHorizontalEnd, colors.Start,
                       colors.Stop, 1);
      break;
    }
    case TRzGroupBoxStyle::gsUnderline:
      if (!c.IsEmpty()) {
        line(m, c.Left, c.Bottom, c.Right, c.Bottom);
      }
      break;
    case TRzGroupBoxStyle::gsCustom:
      break;
  }
}

void TRzGroupBox::PaintCaption(TRect caption) {
  TCanvas& canvas = Canvas();
  if (m_groupStyle == TRzGroupBoxStyle::gsBanner) {
    caption = InflateRect(caption, -4, -1);
  } else if (!Transparent()) {
    canvas.Brush().SetColor(Color());
    canvas.FillRect(caption);
  }
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (!Enabled()) {
    canvas.Font().SetColor(clGrayText);
  }
  canvas.DrawText(Caption(), caption, DT_SINGLELINE | DT_VCENTER | AlignmentFlag(Alignment()));
}

void TRzGroupBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && IsAccel(QChar(char16_t(message.WParam)), Caption()) && CanFocus()) {
    for (TControl* child : Controls()) {
      if (auto* win = dynamic_cast<TWinControl*>(child); win != nullptr && win->CanFocus()) {
        win->SetFocus();
        break;
      }
    }
    message.Result = 1;
    return;
  }
  TRzCustomPanel::WndProc(message);
}

void TRzGroupBox::ApplyFrameSettings(const TRzFrameController& controller, TRzFrameControllerProperty property) {
  if (m_groupStyle == TRzGroupBoxStyle::gsCustom) {
    TRzCustomPanel::ApplyFrameSettings(controller, property);
  }
}
