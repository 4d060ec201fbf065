#include "components/peq/TMyPEQType8.h"

#include "components/peq/PeqDefaultTexts.h"

TMyPEQType8::TMyPEQType8(QWidget* parent) : TMyPEQPanel(parent, PeqPanelKind{PeqType8Texts(), PeqFlavour::Standard, PeqHighlight::Green, true}) {}
