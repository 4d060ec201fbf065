#include "widgets/gdiplus/GdipNative.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "platform/text/FontRegistry.h"
#include "platform/core/Rounding.h"
#include "widgets/gdiplus/HatchPatterns.h"

ARGB ArgbFromColor(int alpha, TColor color) {
  const TColor rgb = ColorToRGB(color);
  return ComposeArgb(alpha, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

namespace Gdip {
namespace {

// Interpolates in linear light between two stops, as gamma-corrected
// gradients do, by adding intermediate stops.
void AddGammaStops(QGradient& gradient, const std::vector<std::pair<double, QColor>>& stops) {
  auto toLinear = [](double c) { return std::pow(c / 255.0, 2.2); };
  auto toDevice = [](double l) { return std::clamp(std::pow(l, 1 / 2.2) * 255.0, 0.0, 255.0); };
  constexpr int kSteps = 8;
  for (std::size_t i = 0; i + 1 < stops.size(); ++i) {
    const auto& [p0, c0] = stops[i];
    const auto& [p1, c1] = stops[i + 1];
    for (int k = 0; k < kSteps; ++k) {
      const double t = double(k) / kSteps;
      const QColor c(int(toDevice(toLinear(c0.red()) * (1 - t) + toLinear(c1.red()) * t)),
                     int(toDevice(toLinear(c0.green()) * (1 - t) + toLinear(c1.green()) * t)),
                     int(toDevice(toLinear(c0.blue()) * (1 - t) + toLinear(c1.blue()) * t)),
                     int(std::lround(c0.alpha() * (1 - t) + c1.alpha() * t)));
      gradient.setColorAt(p0 + (p1 - p0) * t, c);
    }
  }
  gradient.setColorAt(stops.back().first, stops.back().second);
}

void SetStops(QGradient& gradient, const std::vector<std::pair<double, QColor>>& stops, bool gamma) {
  if (gamma && stops.size() > 1) {
    AddGammaStops(gradient, stops);
    return;
  }
  for (const auto& [position, color] : stops) {
    gradient.setColorAt(position, color);
  }
}

// Stops from the centre (0) to the boundary (1).
std::vector<std::pair<double, QColor>> PathStops(const GpBrush& brush) {
  std::vector<std::pair<double, QColor>> stops;
  if (!brush.blend.empty()) {
    for (auto it = brush.blend.rbegin(); it != brush.blend.rend(); ++it) {
      stops.emplace_back(1.0 - it->first, it->second);
    }
  } else {
    stops.emplace_back(0.0, brush.centreColor);
    stops.emplace_back(1.0, brush.surround.empty() ? brush.centreColor : brush.surround.front());
  }
  return stops;
}

// On an elliptical boundary a radial gradient with its focal point at the
// centre point shades along the same rays as GDI+, in the unit circle
// scaled onto the ellipse's box.
QBrush EllipticPathBrush(const GpBrush& brush, const QRectF& box) {
  const QPointF mid = box.center();
  const QPointF focal((brush.centre.x() - mid.x()) / (box.width() / 2), (brush.centre.y() - mid.y()) / (box.height() / 2));
  QRadialGradient gradient(QPointF(0, 0), 1.0, focal);
  SetStops(gradient, PathStops(brush), brush.gamma);
  QBrush result(gradient);
  QTransform t;
  t.translate(mid.x(), mid.y());
  t.scale(box.width() / 2, box.height() / 2);
  result.setTransform(t);
  return result;
}

// A straight piece of the boundary with the surround colours at its ends.
struct BoundaryEdge {
  QPointF a;
  QPointF b;
  QColor colorA;
  QColor colorB;
};

QColor Mix(const QColor& from, const QColor& to, double t) {
  auto channel = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()),
                channel(from.alpha(), to.alpha()));
}

// The boundary as straight edges. Each point of the path takes its surround
// colour (past the given colours the last one repeats); a curve is followed
// in short lines whose colours run from its start point's to its end point's.
std::vector<BoundaryEdge> BoundaryEdges(const GpBrush& brush) {
  const QPainterPath& path = brush.boundary;
  const std::vector<int> points = PathPointIndexes(path);
  auto colorOf = [&brush, &points](int element) {
    const int point = points[std::size_t(element)];
    return brush.surround.empty() ? brush.centreColor
                                  : brush.surround[std::size_t(std::min<int>(point, int(brush.surround.size()) - 1))];
  };
  std::vector<BoundaryEdge> edges;
  int first = -1;
  int last = -1;
  int edgesInFigure = 0;
  auto closeFigure = [&] {
    const QPointF start = path.elementAt(first);
    const QPointF end = path.elementAt(last);
    if (edgesInFigure > 1 && start != end) {
      edges.push_back({end, start, colorOf(last), colorOf(first)});
    }
  };
  constexpr int kCurveSteps = 16;
  for (int i = 0; i < path.elementCount();) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo() || last < 0) {
      if (last >= 0) {
        closeFigure();
      }
      first = last = i;
      edgesInFigure = 0;
      ++i;
    } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
      const QPointF p0 = path.elementAt(last);
      const QPointF p1 = e;
      const QPointF p2 = path.elementAt(i + 1);
      const QPointF p3 = path.elementAt(i + 2);
      QPointF previous = p0;
      for (int k = 1; k <= kCurveSteps; ++k) {
        const double t = double(k) / kCurveSteps;
        const double u = 1 - t;
        const QPointF next = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        edges.push_back({previous, next, Mix(colorOf(last), colorOf(i + 2), double(k - 1) / kCurveSteps),
                         Mix(colorOf(last), colorOf(i + 2), t)});
        previous = next;
      }
      ++edgesInFigure;
      last = i + 2;
      i += 3;
    } else {
      edges.push_back({path.elementAt(last), e, colorOf(last), colorOf(i)});
      ++edgesInFigure;
      last = i;
      ++i;
    }
  }
  if (last >= 0) {
    closeFigure();
  }
  return edges;
}

// More than one surround colour (and no preset blend): the colours differ
// along the boundary.
bool SeveralSurroundColors(const GpBrush& brush) {
  return brush.blend.empty() &&
         std::any_of(brush.surround.begin(), brush.surround.end(), [&](const QColor& c) { return c != brush.surround.front(); });
}

// Any other boundary: each pixel takes the colour of its distance along
// the ray from the centre point to where the ray first leaves the path,
// between the centre colour and the boundary's colour at that point.
// The texture covers only the part of the path's box that gets painted.
QBrush PolygonPathBrush(const GpBrush& brush, const QRectF& box, const QRectF& paintArea) {
  const QRect area = box.intersected(paintArea).toAlignedRect();
  if (area.isEmpty()) {
    return QBrush(Qt::transparent);
  }
  QImage ramp(256, 1, QImage::Format_ARGB32);
  QImage texture(area.size(), QImage::Format_ARGB32);
  if (ramp.isNull() || texture.isNull()) {
    return QBrush(Qt::transparent);
  }
  ramp.fill(Qt::transparent);
  {
    QLinearGradient gradient(0, 0, 255, 0);
    SetStops(gradient, PathStops(brush), brush.gamma);
    QPainter painter(&ramp);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(ramp.rect(), gradient);
  }
  const bool alongBoundary = SeveralSurroundColors(brush);
  const std::vector<BoundaryEdge> edges = BoundaryEdges(brush);
  const QPointF c = brush.centre;
  auto cross = [](QPointF a, QPointF b) { return a.x() * b.y() - a.y() * b.x(); };
  for (int y = 0; y < area.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(texture.scanLine(y));
    for (int x = 0; x < area.width(); ++x) {
      const QPointF d = QPointF(area.x() + x + 0.5, area.y() + y + 0.5) - c;
      double nearest = 0;
      const BoundaryEdge* exit = nullptr;
      double along = 0;
      for (const BoundaryEdge& edge : edges) {
        const QPointF e = edge.b - edge.a;
        const double denominator = cross(d, e);
        if (denominator == 0) {
          continue;
        }
        const double s = cross(edge.a - c, e) / denominator;
        const double u = cross(edge.a - c, d) / denominator;
        if (s > 1e-9 && u >= 0 && u <= 1 && (nearest == 0 || s < nearest)) {
          nearest = s;
          exit = &edge;
          along = u;
        }
      }
      const double t = nearest > 0 ? std::min(1.0, 1.0 / nearest) : 1.0;
      if (alongBoundary && exit != nullptr) {
        line[x] = Mix(brush.centreColor, Mix(exit->colorA, exit->colorB, along), t).rgba();
      } else {
        line[x] = ramp.pixel(int(std::lround(t * 255)), 0);
      }
    }
  }
  QBrush result(texture);
  result.setTransform(QTransform::fromTranslate(area.x(), area.y()));
  return result;
}

QBrush PathGradientBrush(const GpBrush& brush, const QRectF& paintArea) {
  const QRectF box = brush.boundary.boundingRect();
  if (box.width() <= 0 || box.height() <= 0) {
    return QBrush(Qt::transparent);
  }
  return brush.ellipticBoundary && !SeveralSurroundColors(brush) ? EllipticPathBrush(brush, box)
                                                                 : PolygonPathBrush(brush, box, paintArea);
}

}  // namespace

std::vector<int> PathPointIndexes(const QPainterPath& path) {
  std::vector<int> indexes(std::size_t(path.elementCount()), 0);
  int next = 0;
  int figureStart = 0;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      figureStart = i;
    }
    const bool endsFigure = i + 1 == path.elementCount() || path.elementAt(i + 1).isMoveTo();
    if (e.isLineTo() && endsFigure && i > figureStart + 1 && QPointF(e) == QPointF(path.elementAt(figureStart))) {
      indexes[std::size_t(i)] = indexes[std::size_t(figureStart)];
    } else {
      indexes[std::size_t(i)] = next++;
    }
  }
  return indexes;
}

int PathPointCount(const QPainterPath& path) {
  const std::vector<int> indexes = PathPointIndexes(path);
  return indexes.empty() ? 0 : *std::max_element(indexes.begin(), indexes.end()) + 1;
}

QColor ToQColor(ARGB argb) {
  return QColor(ArgbRedByte(argb), ArgbGreenByte(argb), ArgbBlueByte(argb), ArgbAlphaByte(argb));
}

ARGB FromQColor(const QColor& color) {
  return ComposeArgb(color.alpha(), color.red(), color.green(), color.blue());
}

QBrush ToQBrush(const GpBrush& brush, const QRectF& paintArea) {
  switch (brush.kind) {
    case GpBrush::Kind::Solid:
      return QBrush(brush.color);
    case GpBrush::Kind::Hatch: {
      QImage tile(8, 8, QImage::Format_ARGB32);
      if (tile.isNull()) {
        return QBrush(brush.background);
      }
      tile.fill(brush.background);
      if (const auto rows = HatchPatternRows(brush.hatch)) {
        for (int y = 0; y < 8; ++y) {
          for (int x = 0; x < 8; ++x) {
            if ((*rows)[std::size_t(y)] & (0x80 >> x)) {
              tile.setPixelColor(x, y, brush.color);
            }
          }
        }
      }
      return QBrush(tile);
    }
    case GpBrush::Kind::Texture: {
      if (!brush.texture) {
        return QBrush(Qt::transparent);
      }
      QBrush result(brush.texture->image);
      result.setTransform(brush.transform);
      return result;
    }
    case GpBrush::Kind::LinearGradient: {
      QLinearGradient gradient(brush.start, brush.end);
      gradient.setSpread(QGradient::PadSpread);
      SetStops(gradient, brush.stops, brush.gamma);
      return QBrush(gradient);
    }
    case GpBrush::Kind::PathGradient:
      return PathGradientBrush(brush, paintArea);
  }
  return QBrush();
}

double GpFont::PixelSize() const {
  switch (unit) {
    case Unit_::UnitPoint: return emSize * 96.0 / 72.0;
    case Unit_::UnitInch: return emSize * 96.0;
    case Unit_::UnitDocument: return emSize * 96.0 / 300.0;
    case Unit_::UnitMillimeter: return emSize * 96.0 / 25.4;
    default: return emSize;
  }
}

QFont GpFont::ToQFont() const {
  QFont font;
  font.setFamilies({SubstituteFaceName(family), ChineseFallbackFace()});
  font.setPixelSize(std::max(1, Round(PixelSize())));
  font.setBold(style & FontStyleBold);
  font.setItalic(style & FontStyleItalic);
  font.setUnderline(style & FontStyleUnderline);
  font.setStrikeOut(style & FontStyleStrikeout);
  return font;
}

QRectF GpGraphics::PaintArea() const {
  bool invertible = false;
  const QTransform toLogical = painter->combinedTransform().inverted(&invertible);
  if (!invertible) {
    return {};
  }
  QRectF area = toLogical.mapRect(bounds);
  if (painter->hasClipping()) {
    area &= painter->clipBoundingRect();
  }
  return area;
}

QImage GpImageAttributes::Apply(const QImage& source) const {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  if (noOp) {
    return image;
  }
  auto inKey = [this](QRgb p) {
    return qRed(p) >= ArgbRedByte(keyLow) && qRed(p) <= ArgbRedByte(keyHigh) && qGreen(p) >= ArgbGreenByte(keyLow) &&
           qGreen(p) <= ArgbGreenByte(keyHigh) && qBlue(p) >= ArgbBlueByte(keyLow) && qBlue(p) <= ArgbBlueByte(keyHigh);
  };
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      QRgb p = line[x];
      if (colorKey && inKey(p)) {
        line[x] = 0;
        continue;
      }
      for (const ColorMap& map : remap) {
        if (FromQColor(QColor::fromRgba(p)) == map.oldColor) {
          p = ToQColor(map.newColor).rgba();
          break;
        }
      }
      double c[5] = {qRed(p) / 255.0, qGreen(p) / 255.0, qBlue(p) / 255.0, qAlpha(p) / 255.0, 1.0};
      if (colorMatrix) {
        double out[4] = {};
        for (int j = 0; j < 4; ++j) {
          for (int i = 0; i < 5; ++i) {
            out[j] += c[i] * matrix.m[i][j];
          }
        }
        std::copy(out, out + 4, c);
      }
      for (int j = 0; j < 3; ++j) {
        if (gamma && gammaValue > 0) {
          c[j] = std::pow(std::clamp(c[j], 0.0, 1.0), double(gammaValue));
        }
        if (threshold) {
          c[j] = c[j] > thresholdValue ? 1.0 : 0.0;
        }
      }
      auto byte = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
      line[x] = qRgba(byte(c[0]), byte(c[1]), byte(c[2]), byte(c[3]));
    }
  }
  return image;
}

}  // namespace Gdip
