#include "components/peq/TMyPEQType10.h"

#include "components/peq/PeqDefaultTexts.h"

TMyPEQType10::TMyPEQType10(QWidget* parent) : TMyPEQPanel(parent, PeqPanelKind{PeqType10Texts(), PeqFlavour::Standard, PeqHighlight::Green, true}) {}
