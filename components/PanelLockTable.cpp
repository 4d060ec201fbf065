#include "components/PanelLockTable.h"

const std::array<PanelLockBit, 12> kPanelLockBits = {{
    {0, 0x01, nullptr, 0,
     {"isGain", "isGainBackup", "rzbPhase", "rzbPhaseBackup", "cvdGain", "cvdGainBackup", "lbMatrixGain",
      "lbMatrixPhase"}},
    {0, 0x02, "rzbMenuGate", 0, {"lbMatrixGate"}},
    {0, 0x04, nullptr, 0, {"rzbMenu", "lbMatrixPeq", "lbMatrixFir"}},
    {0, 0x08, "rzbMenuComp", 0, {"lbMatrixComp"}},
    {0, 0x10, "rzbMenuDelay", 0x10, {"isDelay", "cvdDelay", "lbMatrixDelay", "lbDelayLine"}},
    {0, 0x20, "rzbMenuMatrix", 0, {}},
    {1, 0x01, nullptr, 0,
     {"isGain", "isGainBackup", "rzbPhase", "rzbPhaseBackup", "cvdGain", "cvdGainBackup", "lbMatrixGain"}},
    {1, 0x02, nullptr, 0, {"rzbMenu", "lbMatrixFir", "lbMatrixPeq", "lbMatrixXover"}},
    {1, 0x04, "rzbMenuLimit", 0, {"lbMatrixLimit"}},
    {1, 0x10, nullptr, 0, {"isDelay", "cvdDelay", "lbMatrixDelay", "lbDelayLine"}},
    {2, 0x01, "bStore", 0, {}},
    {2, 0x02, "bRecall", 0, {}},
}};
