#include <vector>

#include <gtest/gtest.h>

#include "editors/dynamics/DynamicsParameters.h"
#include "editors/dynamics/TransferCurve.h"

namespace {

TransferPoint P(double x, double y) { return {x, y}; }

struct CurveCase {
  const char* name;
  TransferCurve curve;
  std::vector<TransferPoint> points;
  TransferPoint marker;
};

}  // namespace

TEST(TransferCurve, pointsAndMarker_areTheSinglePrecisionValuesOfEachPanel) {
  const CurveCase cases[] = {
      {"comp -10 dB, knee 0, limit",
       TransferCurve::Compressor(-20, 0, 15, true),
       {P(20, -10), P(-10, -10), P(-10, -10), P(-100, -100)},
       P(-9.8f, -10.4f)},
      {"comp -20 dB, knee 6, 1:2.0",
       TransferCurve::Compressor(-40, 6, 5, false),
       {P(20, 0), P(-14, -17), P(-26, -26), P(-100, -100)},
       P(-19.8f, -20.4f)},
      {"comp -40 dB, knee 3, 1:1.1",
       TransferCurve::Compressor(-80, 3, 1, false),
       {P(20, 14.545452f), P(-37, -37.272728f), P(-43, -43), P(-100, -100)},
       P(-39.8f, -40.4f)},
      {"comp +20 dB, 1:1.0",
       TransferCurve::Compressor(40, 0, 0, false),
       {P(20, 20), P(20, 20), P(20, 20), P(-100, -100)},
       P(20.2f, 19.6f)},
      {"limit -30.5 dB, knee 12, 1:4.0",
       TransferCurve::Compressor(-61, 12, 9, false),
       {P(20, -17.875), P(-18.5, -27.5), P(-42.5, -42.5), P(-100, -100)},
       P(-30.3f, -30.9f)},
      {"gate -40 dB, 1:2.0",
       TransferCurve::Gate(-80, 5, false),
       {P(20, 20), P(-40, -40), P(-70, -100)},
       P(-39.8f, -40.4f)},
      {"gate -40 dB, max",
       TransferCurve::Gate(-80, 15, true),
       {P(20, 20), P(-40, -40), P(-40, -100)},
       P(-39.8f, -40.4f)},
      {"gate -12.5 dB, 1:1.3",
       TransferCurve::Gate(-25, 2, false),
       {P(20, 20), P(-12.5, -12.5), P(-79.80769f, -100)},
       P(-12.3f, -12.9f)},
      {"gate -90 dB, 1:1.0",
       TransferCurve::Gate(-180, 0, false),
       {P(20, 20), P(-90, -90), P(-100, -100)},
       P(-89.8f, -90.4f)},
  };
  for (const CurveCase& c : cases) {
    EXPECT_EQ(c.curve.points, c.points) << c.name;
    EXPECT_EQ(c.curve.marker, c.marker) << c.name;
  }
}

TEST(DynamicsParameters, fieldWrites_keepLowBitsAndIgnoreUnknownKinds) {
  CompressorRecord comp;
  WriteCompressorField(comp, int(DynamicsKind::Threshold), -80);
  WriteCompressorField(comp, int(DynamicsKind::SideChainType), 0x1203);
  WriteCompressorField(comp, int(DynamicsKind::SideChainFrequency), 0x10000 + 170);
  WriteCompressorField(comp, int(DynamicsKind::Knee), 6);
  EXPECT_EQ(comp.threshold, 100);
  EXPECT_EQ(comp.sideChainType, 3) << "kind 6 stores the low byte";
  EXPECT_EQ(comp.sideChainFreq, 170) << "words keep their low 16 bits";
  EXPECT_EQ(comp.knee, 6);
  const CompressorRecord before = comp;
  WriteCompressorField(comp, 7, 5);
  WriteCompressorField(comp, -1, 5);
  EXPECT_EQ(comp, before);

  GateRecord gate;
  WriteGateField(gate, int(DynamicsKind::Ratio), 15);
  WriteGateField(gate, int(DynamicsKind::Attack), 4);
  const GateRecord gateBefore = gate;
  WriteGateField(gate, int(DynamicsKind::Knee), 9);
  EXPECT_EQ(gate, gateBefore) << "a gate has no knee";
  EXPECT_EQ(gate.ratio, 15);
  EXPECT_EQ(gate.attack, 4);

  LimiterRecord limit;
  WriteLimiterField(limit, int(DynamicsKind::Knee), 12);
  WriteLimiterField(limit, int(DynamicsKind::Release), 2999);
  const LimiterRecord limitBefore = limit;
  WriteLimiterField(limit, int(DynamicsKind::SideChainType), 2);
  EXPECT_EQ(limit, limitBefore) << "a limiter has no side chain";
  EXPECT_EQ(limit.knee, 12);
  EXPECT_EQ(limit.release, 2999);
}
