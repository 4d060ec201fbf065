#include "components/peq/TMyPEQFir.h"

#include "components/peq/PeqDefaultTexts.h"

TMyPEQFir::TMyPEQFir(QWidget* parent) : TMyPEQPanel(parent, PeqPanelKind{PeqFirTexts(), PeqFlavour::Standard, PeqHighlight::None, false}) {}
