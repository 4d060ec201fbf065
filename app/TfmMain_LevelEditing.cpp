// The level, matrix and delay editors and the typed value entry of the
// equaliser and crossover boxes, bound to the window's controls.
#include "app/TfmMain.h"

void TfmMain::BindLevelEditing() {
  m_levelEditor.Bind();
  m_matrixEditor.Bind();
  m_delayEditor.Bind();
  m_eqValueEntry.Bind();
}
