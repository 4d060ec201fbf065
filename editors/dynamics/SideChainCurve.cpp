#include "editors/dynamics/SideChainCurve.h"

#include <cstddef>

#include "components/LMyFFTDrawHpLp6dB.h"
#include "dsp/Plot.h"
#include "editors/IEditorWindow.h"
#include "platform/widgets/ControlRegistry.h"
#include "protocol/ParameterScales.h"

namespace {

constexpr int kSideChainCurves = 11;

/// Per side-chain type: the section's filter type code and its Q, held in
/// single precision as the unit's editor held it.
struct SideChainFilter {
  int code;
  float q;
};
constexpr SideChainFilter kFilters[10] = {{10, 0.71f}, {9, 0.71f}, {4, 0.71f}, {8, 0.71f}, {5, 0.71f},
                                          {6, 1.0f},   {6, 2.0f},  {6, 3.0f},  {6, 5.0f},  {6, 10.0f}};

}  // namespace

void DrawSideChainCurve(IEditorWindow& window, int type, int frequencyIndex) {
  const SideChainFilter& filter = kFilters[type >= 0 && type < 10 ? std::size_t(type) : 0];
  Plot& curves = window.ResponseCurve(kSideChainCurves);
  curves.Section(0).SetFilter(0.0, IndexToFreq(frequencyIndex), double(filter.q), filter.code);
  curves.DrawSectionFill(1, 0, 0.0, double(filter.q), false);
  curves.DrawSection(0, clWhite);
  if (auto* plot = window.Controls().Find<LMyFFTDrawHpLp6dB>(QStringLiteral("fftDrawCompEq"))) {
    plot->UpdateCurvePage();
  }
}
