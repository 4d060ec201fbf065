#include "resources/SplashArtwork.h"

#include <cmath>

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int kWidth = 620;
constexpr int kHeight = 350;

void DrawBackground(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(18, 32, 58));
  sky.setColorAt(0.6, QColor(10, 20, 40));
  sky.setColorAt(1, QColor(4, 8, 18));
  p.fillRect(0, 0, kWidth, kHeight, sky);
  p.setPen(QPen(QColor(60, 90, 140, 40), 1));
  for (int x = 0; x < kWidth; x += 31) {
    p.drawLine(x, 0, x, kHeight);
  }
  for (int y = 0; y < kHeight; y += 35) {
    p.drawLine(0, y, kWidth, y);
  }
}

void DrawSpeaker(QPainter& p, QPointF centre, double radius) {
  QRadialGradient cone(centre, radius);
  cone.setColorAt(0, QColor(90, 110, 140));
  cone.setColorAt(0.25, QColor(30, 40, 60));
  cone.setColorAt(0.8, QColor(50, 65, 95));
  cone.setColorAt(1, QColor(20, 28, 45));
  p.setPen(QPen(QColor(120, 150, 200, 180), 2));
  p.setBrush(cone);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(Qt::NoBrush);
  for (const double f : {0.82, 0.55}) {
    p.setPen(QPen(QColor(120, 160, 220, 110), 1.5));
    p.drawEllipse(centre, radius * f, radius * f);
  }
  QRadialGradient cap(centre - QPointF(radius * 0.06, radius * 0.06), radius * 0.22);
  cap.setColorAt(0, QColor(200, 215, 235));
  cap.setColorAt(1, QColor(60, 75, 100));
  p.setPen(Qt::NoPen);
  p.setBrush(cap);
  p.drawEllipse(centre, radius * 0.2, radius * 0.2);
  p.setBrush(Qt::NoBrush);
  for (int ring = 1; ring <= 3; ++ring) {
    p.setPen(QPen(QColor(110, 170, 255, 120 - 30 * ring), 2));
    const double r = radius + 10.0 * ring;
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
  }
}

void DrawCurve(QPainter& p, const QColor& colour, double base, double gain, double phase) {
  QPainterPath path;
  for (int x = 0; x <= kWidth; x += 4) {
    const double t = double(x) / kWidth;
    const double y = base - gain * (std::sin(6.0 * t + phase) * 0.5 + std::exp(-std::pow((t - 0.3) * 6, 2)));
    if (x == 0) {
      path.moveTo(x, y);
    } else {
      path.lineTo(x, y);
    }
  }
  p.setPen(QPen(colour, 2));
  p.drawPath(path);
}

}  // namespace

QByteArray SplashArtworkPng() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBackground(p);
    DrawSpeaker(p, QPointF(555, 62), 42);
    DrawCurve(p, QColor(80, 170, 255, 170), 305, 22, 0.0);
    DrawCurve(p, QColor(120, 230, 160, 150), 318, 16, 1.3);
    DrawCurve(p, QColor(250, 190, 90, 140), 330, 12, 2.4);
    QLinearGradient band(0, 0, kWidth, 0);
    band.setColorAt(0, QColor(90, 150, 255, 0));
    band.setColorAt(0.5, QColor(90, 150, 255, 160));
    band.setColorAt(1, QColor(90, 150, 255, 0));
    p.fillRect(QRectF(30, 172, 560, 2), band);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}
