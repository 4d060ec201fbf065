#include "plot/editor/TiPaintBox.h"

TiPaintBox::TiPaintBox(QWidget* parent) : TCustomControl(parent) {
  TControlStyle style = ControlStyle();
  style.Include(TControlStyleItem::csOpaque);
  SetControlStyle(style);
}
