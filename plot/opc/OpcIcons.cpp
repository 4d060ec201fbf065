#include "plot/opc/OpcIcons.h"

#include <QPainter>

namespace {

/// A server box of size w x h at (x, y): body, two drive slots, a lamp.
void DrawServer(QPainter& p, int x, int y, int w, int h, QColor body) {
  p.setPen(QColor(40, 40, 40));
  p.setBrush(body);
  p.drawRect(x, y, w - 1, h - 1);
  p.setPen(QColor(90, 90, 90));
  p.drawLine(x + 2, y + h / 3, x + w - 4, y + h / 3);
  p.drawLine(x + 2, y + 2 * h / 3, x + w - 4, y + 2 * h / 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 200, 0));
  p.drawRect(x + w - 4, y + 1, 2, 2);
}

}  // namespace

QImage OpcManagerIcon() {
  QImage image(24, 24, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  DrawServer(p, 1, 2, 10, 20, QColor(176, 196, 222));
  DrawServer(p, 13, 2, 10, 20, QColor(176, 196, 222));
  p.setPen(QPen(QColor(200, 0, 0), 2));
  p.drawLine(8, 12, 16, 12);
  return image;
}

QImage OpcExplorerImage(int index) {
  QImage image(16, 16, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  switch (index) {
    case 0:
      DrawServer(p, 1, 1, 7, 14, QColor(176, 196, 222));
      DrawServer(p, 8, 1, 7, 14, QColor(176, 196, 222));
      break;
    case 1:
      p.setPen(QColor(120, 90, 0));
      p.setBrush(QColor(240, 200, 80));
      p.drawRect(1, 4, 13, 10);
      p.drawRect(1, 2, 6, 2);
      break;
    default:
      DrawServer(p, 3, 1, 10, 14, QColor(200, 220, 200));
      break;
  }
  return image;
}
