#pragma once

class IEditorWindow;

/// Draws the compressor's side-chain equaliser of `type` (0-9; another
/// value draws Bypass) at frequency index `frequencyIndex` on the
/// side-chain plot: section 0 of response-curve object 11, the band fill
/// hidden, the curve in white, then the plot's page repainted. The panel
/// passes its controls' positions, the filter views the unit model's.
/// GUI thread only.
void DrawSideChainCurve(IEditorWindow& window, int type, int frequencyIndex);
