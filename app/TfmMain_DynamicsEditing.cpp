// The compressor, gate and limiter editors, bound to the window's controls.
#include "app/TfmMain.h"

void TfmMain::BindDynamicsEditing() {
  m_compressorEditor.Bind();
  m_gateEditor.Bind();
  m_limiterEditor.Bind();
}
