#include "tools/unitsim/SimUnitState.h"

SimUnitState::SimUnitState() : image(MakeDefaultImage()), firAreas(kPresets + 1) { presets.fill(image); }
