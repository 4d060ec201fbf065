#include <cmath>
#include <complex>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "dsp/Fft.h"
#include "dsp/FirDesign.h"
#include "dsp/FrequencyResponse.h"
#include "dsp/Plot.h"
#include "dsp/ResponsePlotTarget.h"
#include "dsp/SgSmooth.h"

namespace {

class NullTarget : public ResponsePlotTarget {
public:
  bool FFTDraw(const double* values, int, int, TColor, int) override {
    benchmark::DoNotOptimize(values);
    return true;
  }
  bool RemovePlot(int) override { return true; }
  void DrawBlock(double, double, TColor, int, bool, int) override {}
  void SetBlockParameter(int, double, double, double, int) override {}
  void DrawParam(int, double, double, float, double, TColor) override {}
  void DrawCurveFill(int, const double*, int) override {}
  void SetCurveDisplay(bool) override {}
};

std::vector<float> Coefficients(int count) {
  std::vector<float> taps(count);
  for (int i = 0; i < count; ++i) {
    taps[i] = float(std::sin(0.37 * i) * std::exp(-0.01 * i));
  }
  return taps;
}

// One equaliser band moved: its section recomputed and the total redrawn.
void BM_BandEdit(benchmark::State& state) {
  NullTarget target;
  Plot plot(target);
  double frequency = 1000.0;
  for (auto _ : state) {
    frequency = frequency > 10000.0 ? 1000.0 : frequency * 1.01;
    plot.Section(3).SetFilter(4.5, frequency, 2.0, 1);
    plot.DrawTotal(3);
  }
}
BENCHMARK(BM_BandEdit)->Unit(benchmark::kMicrosecond);

void BM_BiquadCurve(benchmark::State& state) {
  const BiquadCoefficients c = *DesignBiquad(1, 1000.0, 6.0, 1.0);
  ResponseCurve curve;
  for (auto _ : state) {
    BiquadCurve(c, 1, false, curve);
    benchmark::DoNotOptimize(curve);
  }
}
BENCHMARK(BM_BiquadCurve)->Unit(benchmark::kMicrosecond);

// The nine bands of an output equaliser recomputed and summed.
void BM_NineBandEqualiser(benchmark::State& state) {
  NullTarget target;
  Plot plot(target);
  for (auto _ : state) {
    for (int band = 0; band < 9; ++band) {
      plot.Section(band).SetFilter(band - 4.0, 40.0 * std::pow(2.0, band), 1.4, 1);
    }
    plot.DrawTotal(3);
  }
}
BENCHMARK(BM_NineBandEqualiser)->Unit(benchmark::kMicrosecond);

void BM_DesignedFirCurve(benchmark::State& state) {
  PlotSection section;
  const int taps = int(state.range(0));
  for (auto _ : state) {
    section.SetFirDesign(FirTypeBandPass, FirWindowHamming, 200.0, 8000.0, taps);
  }
}
BENCHMARK(BM_DesignedFirCurve)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);

// The same curve summed term by term with sin and cos, for comparison.
void BM_DesignedFirCurveDirectSum(benchmark::State& state) {
  const std::vector<double> c = *DesignWindowedFir(FirTypeBandPass, FirWindowHamming, 200.0, 8000.0, 1024);
  const auto& omegas = FrequencyGrid::Get().Omegas();
  ResponseCurve curve;
  for (auto _ : state) {
    for (int k = 0; k < kFrequencyBinCount; ++k) {
      double re = 0.0;
      double im = 0.0;
      for (std::size_t i = 0; i < c.size(); ++i) {
        re += c[i] * std::cos(double(i) * omegas[k]);
        im -= c[i] * std::sin(double(i) * omegas[k]);
      }
      curve[k] = MagnitudeToDb(std::hypot(re, im));
    }
    benchmark::DoNotOptimize(curve);
  }
}
BENCHMARK(BM_DesignedFirCurveDirectSum)->Unit(benchmark::kMillisecond);

void BM_CoefficientFirCurve(benchmark::State& state) {
  PlotSection section;
  const std::vector<float> taps = Coefficients(int(state.range(0)));
  for (auto _ : state) {
    section.SetFirTaps(taps.data(), int(taps.size()));
  }
}
BENCHMARK(BM_CoefficientFirCurve)->Arg(1024)->Arg(2048)->Unit(benchmark::kMicrosecond);

void BM_Fft4096(benchmark::State& state) {
  std::vector<std::complex<double>> in(4096);
  std::vector<std::complex<double>> out(4096);
  for (int i = 0; i < 4096; ++i) {
    in[i] = {std::sin(0.1 * i), 0.0};
  }
  for (auto _ : state) {
    Fft(4096, in.data(), out.data());
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_Fft4096)->Unit(benchmark::kMicrosecond);

// Every curve of the nine channel plots rebuilt: the equaliser bands, two
// fourth-order crossovers of two sections each on every output, a designed
// 1024-tap FIR on every output, a coefficient FIR on every channel, and the
// nine totals.
void BM_FullRefresh(benchmark::State& state) {
  NullTarget target;
  std::vector<std::unique_ptr<Plot>> plots;
  for (int ch = 0; ch < 9; ++ch) {
    plots.push_back(std::make_unique<Plot>(target));
  }
  const std::vector<float> inputTaps = Coefficients(2048);
  const std::vector<float> outputTaps = Coefficients(1024);
  for (auto _ : state) {
    for (int ch = 0; ch < 9; ++ch) {
      Plot& plot = *plots[ch];
      const bool output = ch >= 3;
      for (int band = 0; band < (output ? 9 : 8); ++band) {
        plot.Section(band).SetFilter(band - 4.0, 40.0 * std::pow(2.0, band), 1.4, 1);
      }
      if (output) {
        for (int s = 34; s < 38; ++s) {
          plot.Section(s).SetCrossoverSection(0.0, s < 36 ? 80.0 : 12000.0, 0.71, s < 36 ? 15 : 12,
                                              s % 2 ? 1.8478f : 0.7654f, 0.0f);
        }
        plot.Section(30).SetFirDesign(FirTypeBandPass, FirWindowHamming, 60.0, 16000.0, 1024);
        plot.Section(32).SetFirTaps(outputTaps.data(), int(outputTaps.size()));
      } else {
        plot.Section(31).SetFirTaps(inputTaps.data(), int(inputTaps.size()));
      }
      plot.DrawTotal(ch);
    }
  }
}
BENCHMARK(BM_FullRefresh)->Unit(benchmark::kMillisecond);

void BM_SgSmooth4096(benchmark::State& state) {
  std::vector<double> values(4096);
  for (auto _ : state) {
    for (int i = 0; i < 4096; ++i) {
      values[i] = std::sin(0.01 * i) + 0.1 * std::sin(1.3 * i);
    }
    SgSmoothArray(4096, values.data(), int(state.range(0)), 1);
  }
}
BENCHMARK(BM_SgSmooth4096)->Arg(8)->Arg(64)->Unit(benchmark::kMicrosecond);

}  // namespace
