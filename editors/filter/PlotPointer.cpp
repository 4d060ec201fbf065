#include "editors/filter/PlotPointer.h"

#include <algorithm>
#include <cmath>

#include "protocol/ParameterScales.h"

double PlotPointer::Bin(int x) const { return double(x - kPlotLeft) / width * (xMax - xMin) + xMin; }

bool PlotPointer::Hits(int x, int y, TPoint marker, double markerGain, double scale) const {
  const int mx = int(std::trunc(width * (Bin(x) - xMin) / (xMax - xMin) * scale));
  const int bx = int(std::trunc(marker.X * scale));
  const double mg = -markerGain;
  double my = std::trunc(double(y - kPlotTop) / height * (yMax - yMin)) + yMin;
  if (mg > 0) {
    my += 1.0;
  }
  const int dy = int(std::trunc(std::fabs(my - mg)));
  return std::abs(mx - bx) < kGrabColumns && dy < 2;
}

double PlotPointer::DragGain(int y) const {
  const double level = -(double(y - kPlotTop) / height * (yMax - yMin) + yMin);
  return std::trunc(std::clamp(level, -12.0, 12.0) * 10.0) * 0.1;
}

double PlotPointer::DragFrequency(int x) const {
  const double hz = std::pow(10.0, std::log10(48000.0) * Bin(x) / 4096.0);
  const double snapped = IndexToFreq(FreqToIndex(hz));
  if (snapped < 19.6) {
    return 19.7;
  }
  return std::min(snapped, 20160.0);
}
