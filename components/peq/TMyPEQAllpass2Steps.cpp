#include "components/peq/TMyPEQAllpass2Steps.h"

#include "components/peq/PeqDefaultTexts.h"

TMyPEQAllpass2Steps::TMyPEQAllpass2Steps(QWidget* parent) : TMyPEQPanel(parent, PeqPanelKind{PeqAllpass2StepsTexts(), PeqFlavour::TwoStepGain, PeqHighlight::GreenFirstColour, true}) {}
