#include "platform/text/MarkerCut.h"

bool CutForMarkers(QByteArray& text, std::span<const char* const> markers, qsizetype count) {
  bool found = false;
  for (const char* marker : markers) {
    if (text.contains(marker)) {
      text.chop(count);
      found = true;
    }
  }
  return found;
}
