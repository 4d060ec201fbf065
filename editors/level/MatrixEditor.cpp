#include "editors/level/MatrixEditor.h"

#include "components/MainWindowState.h"
#include "editors/IEditorWindow.h"
#include "editors/level/TypedEntryBox.h"
#include "platform/widgets/ControlRegistry.h"
#include "platform/widgets/TPaintBox.h"
#include "protocol/LUnitControl.h"
#include "protocol/ParameterScales.h"
#include "widgets/buttons/TRzBmpButton.h"
#include "widgets/smooth/TCurvyEdit.h"

namespace {

QString Letter(int input) { return QString(QChar(u'A' + input)); }

QString Digit(int output) { return QString::number(output - 2); }

/// "rzb" / "cvd" + input letter + "MatrixOut" + output digit.
QString MatrixName(const char* prefix, int input, int output) {
  return QLatin1String(prefix) + Letter(input) + QStringLiteral("MatrixOut") + Digit(output);
}

QString MixLevelName(int input, int output) {
  return QStringLiteral("udMixGain") + Letter(input) + QStringLiteral("Out") + Digit(output);
}

}  // namespace

void MatrixEditor::Bind() {
  ControlRegistry& controls = m_window.Controls();
  for (int output = 3; output < 9; ++output) {
    for (int input = 0; input < 3; ++input) {
      if (auto* route = controls.Find<TRzBmpButton>(MatrixName("rzb", input, output))) {
        route->OnClick = [this, output](TObject* sender) { rzbAMatrixOutClick(sender, output); };
      }
      if (auto* level = controls.Find<TUpDown>(MixLevelName(input, output))) {
        level->OnChangingEx = [this, output](TObject* sender, bool& allow, short value, TUpDownDirection direction) {
          udMixGainAOutChangingEx(sender, allow, value, direction, output);
        };
      }
      if (auto* box = controls.Find<TCurvyEdit>(MatrixName("cvd", input, output))) {
        box->OnKeyDown = [this, output](TObject* sender, WORD& key, TShiftState shift) {
          cvdAMatrixOutKeyDown(sender, key, shift, output);
        };
        box->OnExit = [this, output](TObject* sender) { cvdAMatrixOutExit(sender, output); };
      }
    }
  }
}

void MatrixEditor::rzbAMatrixOutClick(TObject* Sender, int output) {
  auto* route = dynamic_cast<TRzBmpButton*>(Sender);
  if (route == nullptr) {
    return;
  }
  m_window.UnitControl().SetRouting(output, route->Tag(), route->Down() ? 1 : 0);
  RepaintRoutingOverview();
}

void MatrixEditor::udMixGainAOutChangingEx(TObject* Sender, bool&, short NewValue, TUpDownDirection, int output) {
  auto* level = dynamic_cast<TUpDown*>(Sender);
  if (level == nullptr || NewValue < level->Min() || NewValue > level->Max()) {
    return;
  }
  const int input = level->Tag();
  auto* route = m_window.Controls().Find<TRzBmpButton>(MatrixName("rzb", input, output));
  auto* box = m_window.Controls().Find<TCurvyEdit>(MatrixName("cvd", input, output));
  if (route == nullptr || box == nullptr) {
    return;
  }
  box->SetText(GainCodeText(NewValue));
  if (m_window.State().RefreshingControls) {
    return;
  }
  m_window.UnitControl().SetMixLevel(output, route->Tag(), NewValue - level->Min());
  RepaintRoutingOverview();
}

void MatrixEditor::cvdAMatrixOutKeyDown(TObject* Sender, WORD& Key, TShiftState, int output) {
  if (IsEntryKey(Key)) {
    cvdAMatrixOutExit(Sender, output);
  }
}

void MatrixEditor::cvdAMatrixOutExit(TObject* Sender, int output) {
  auto* box = dynamic_cast<TCurvyEdit*>(Sender);
  if (box == nullptr) {
    return;
  }
  RunTypedEntry(*box, m_window.Controls().FindObject(MixLevelName(box->Tag(), output)), TypedEntryKind::Level);
}

// The overview draws its routing lines whenever the paint box paints.
void MatrixEditor::RepaintRoutingOverview() {
  if (auto* overview = m_window.Controls().Find<TPaintBox>(QStringLiteral("pbMatrix"))) {
    overview->Repaint();
  }
}
