#include "widgets/trackbar/TTrackHintWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "platform/drawing/GdiConstants.h"
#include "platform/pictures/TBitmap.h"
#include "platform/text/TFont.h"

namespace {
TFont HintFont() {
  TFont font;
  font.SetColor(clInfoText);
  return font;
}
}  // namespace

TTrackHintWindow::TTrackHintWindow(QWidget* owner) : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
}

void TTrackHintWindow::SetColor(TColor color) {
  m_color = color;
  update();
}

TRect TTrackHintWindow::CalcHintRect() const {
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(HintFont());
  const TSize size = measure.Canvas().TextExtent(m_text);
  return Rect(0, 0, size.cx, size.cy);
}

void TTrackHintWindow::ActivateHint(const TRect& rect, const QString& text) {
  m_text = text;
  const TRect size = CalcHintRect();
  m_textWidth = size.Right;
  m_textHeight = size.Bottom;
  TRect r = rect;
  r.Right = r.Left + m_textWidth + 16;
  r.Bottom = r.Top + m_textHeight + 4;
  const QScreen* screen = QGuiApplication::screenAt(QPoint(r.Left, r.Top));
  if (!screen) {
    screen = QGuiApplication::primaryScreen();
  }
  if (screen) {
    const QRect monitor = screen->geometry();
    const int monitorRight = monitor.x() + monitor.width();
    const int monitorBottom = monitor.y() + monitor.height();
    if (r.Right > monitorRight) {
      r = OffsetRect(r, monitorRight - 2 - r.Right, 0);
    }
    if (r.Bottom > monitorBottom) {
      r = OffsetRect(r, 0, monitorBottom - 2 - r.Bottom);
    }
  }
  setGeometry(r.ToQRect());
  show();
  raise();
  update();
}

void TTrackHintWindow::paintEvent(QPaintEvent*) {
  TBitmap face(width(), height());
  TCanvas& canvas = face.Canvas();
  const TRect r = Rect(0, 0, width(), height());
  canvas.Brush().SetColor(m_color);
  canvas.FillRect(r);
  canvas.Pen().SetColor(cl3DLight);
  canvas.MoveTo(r.Left, r.Bottom - 2);
  canvas.LineTo(r.Left, r.Top);
  canvas.LineTo(r.Right - 1, r.Top);
  canvas.Pen().SetColor(cl3DDkShadow);
  canvas.MoveTo(r.Left, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Bottom - 1);
  canvas.LineTo(r.Right - 1, r.Top - 1);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().Assign(HintFont());
  TRect text = r;
  canvas.DrawText(m_text, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  QPainter painter(this);
  painter.drawImage(0, 0, face.Image());
}
