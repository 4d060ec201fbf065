#include "widgets/common/WidgetTypes.h"

#include "platform/drawing/GdiConstants.h"

unsigned AlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    case TAlignment::taLeftJustify: break;
  }
  return DT_LEFT;
}
