#include "firdesign/FirDesignEngine.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <gtest/gtest.h>

#include "tests/firdesign/FirDesignFakes.h"
#include "tests/firdesign/ResponseFileWriter.h"

namespace {

class FirDesignSynthesis : public ::testing::Test {
protected:
  /// Design with a target that reaches every grid point and bin.
  void WideRanges() {
    controls.Set(FirDesignSwitch::MagnitudeRange, true);
    engine.SetMagnitudeRange(-400, 500);
  }

  FakeFirDesignControls controls;
  RecordingFirDesignView view;
  FirDesignEngine engine{controls, view};
  ResponseFileWriter files;
};

bool Finite(const FirDesignEngine::Curve& curve) {
  return std::all_of(curve.begin(), curve.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

TEST_F(FirDesignSynthesis, ZeroTarget_givesOneTapAtTheTimeZero) {
  const struct {
    int taps;
    int delay;
  } cases[] = {{512, 256}, {33, 16}, {512, 0}, {512, 100}, {2048, 1024}, {32, 16}};
  for (const auto& c : cases) {
    engine.SetDesignTaps(c.taps);
    engine.SetDesignOutputDelay(c.delay);
    engine.BuildDesignTarget();
    engine.SmoothDesignTarget();
    engine.SynthesizeFir();
    const int s = 2 * (c.taps / 2) - c.delay;
    const double tap = 0.5 * (1.0 + std::cos(M_PI / (2 * s - 1)));
    const auto& coefficients = engine.DesignCoefficients();
    for (int k = 0; k < FirDesignEngine::kPoints; ++k) {
      ASSERT_NEAR(coefficients[k], k == c.delay ? tap : 0.0, 1e-13) << c.taps << "/" << c.delay << " tap " << k;
    }
    EXPECT_NEAR(engine.FirMagnitude()[100], 20.0 * std::log10(tap), 1e-9);
    EXPECT_NEAR(engine.FirPhase()[100], 0.0, 1e-9) << "no latency in the shown phase";
  }
  engine.SetDesignTaps(512);
  engine.SetDesignOutputDelay(256);
  engine.SynthesizeFir();
  EXPECT_NEAR(engine.DesignCoefficients()[256], 0.99999055, 5e-9);
}

TEST_F(FirDesignSynthesis, FlatSixDecibelTarget_givesMinusSixDecibelsAndTheHalfTapSum) {
  WideRanges();
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteFlat("plus6.txt", 6.0)));
  const int bin1k = 43;  // 1007.8 Hz
  EXPECT_NEAR(engine.FirMagnitude()[bin1k], -6.0001, 5e-5);
  const auto& c = engine.DesignCoefficients();
  EXPECT_NEAR(std::accumulate(c.begin(), c.end(), 0.0), 0.5012, 5e-5);
  const int at1k = static_cast<int>(std::lround(std::log10(1000.0) / std::log10(48000.0) * 4096));
  EXPECT_NEAR(engine.PredictedMagnitude()[at1k], 6.0 - 6.0001, 5e-5) << "the measurement corrected to flat";
  EXPECT_EQ(view.curves.at(FirDesignView::ResultMagnitude).y[at1k], engine.PredictedMagnitude()[at1k]);
}

TEST_F(FirDesignSynthesis, ResponseOfAnEmptyFir_staysDrawable) {
  // A correction of -7000 dB underflows every coefficient to 0.
  WideRanges();
  ASSERT_TRUE(engine.ImportMeasurement(files.WriteFlat("loud.txt", 7000.0)));
  const auto& c = engine.DesignCoefficients();
  ASSERT_TRUE(std::all_of(c.begin(), c.end(), [](double v) { return v == 0.0; }));
  EXPECT_TRUE(Finite(engine.FirMagnitude()));
  EXPECT_TRUE(Finite(engine.FirPhase()));
  EXPECT_TRUE(Finite(engine.PredictedMagnitude()));
  EXPECT_TRUE(Finite(engine.PredictedPhase()));
  EXPECT_EQ(engine.FirPhase()[10], 0.0);
}

TEST_F(FirDesignSynthesis, Parameters_stayInTheirRanges) {
  engine.SetDesignTaps(5000);
  EXPECT_EQ(engine.DesignTaps(), 2048);
  engine.SetDesignOutputDelay(2000);
  EXPECT_EQ(engine.DesignOutputDelay(), 1024);
  engine.SetDesignTaps(100);
  EXPECT_EQ(engine.DesignOutputDelay(), 50);
  engine.SetDesignTaps(10);
  EXPECT_EQ(engine.DesignTaps(), 32);
  engine.SetDesignOutputDelay(-3);
  EXPECT_EQ(engine.DesignOutputDelay(), 0);
}

TEST_F(FirDesignSynthesis, ApplyDesignedFir_handsTapsNameAndCoefficientsToTheChannelsStore) {
  engine.SetDesignTaps(100);
  engine.SetDesignOutputDelay(30);
  engine.BuildDesignTarget();
  engine.SmoothDesignTarget();
  engine.SynthesizeFir();
  engine.SetDesignFirName(QString::fromUtf8("Sub\u4f4e\u97f3\u7bb1"));  // three double-byte characters
  RecordingFirReceiver receiver;
  for (int channel : {0, 2, 3, 8}) {
    engine.SetDesignChannel(channel);
    engine.ApplyDesignedFir(receiver);
  }
  ASSERT_EQ(receiver.calls.size(), 4u);
  const bool outputs[] = {false, false, true, true};
  const int channels[] = {0, 2, 3, 8};
  for (int i = 0; i < 4; ++i) {
    const RecordingFirReceiver::Call& call = receiver.calls[i];
    EXPECT_EQ(call.output, outputs[i]);
    EXPECT_EQ(call.channel, channels[i]);
    EXPECT_EQ(call.taps, 100);
    EXPECT_EQ(call.name, QByteArray("Sub\xb5\xcd\xd2\xf4"));
    EXPECT_EQ(call.coefficients,
              std::vector<double>(engine.DesignCoefficients().begin(), engine.DesignCoefficients().begin() + 100));
  }
}
