#include <gtest/gtest.h>

#include <QImage>

#include "components/LProgressBar.h"
#include "platform/widgets/TShape.h"

namespace {

TShape* Segment(LProgressBar& meter, int number) {
  return meter.findChild<TShape*>(QStringLiteral("shape%1").arg(number), Qt::FindDirectChildrenOnly);
}

// Fill colours of shape1..shapeN.
std::vector<TColor> Colours(LProgressBar& meter) {
  std::vector<TColor> colours;
  for (int k = 1; k <= meter.SegmentCount(); ++k) {
    TShape* segment = Segment(meter, k);
    colours.push_back(segment != nullptr ? segment->Brush().Color() : TColor(clNone));
  }
  return colours;
}

// Number of lit segments counted from the bottom, checking that all lit ones are contiguous.
int LitFromBottom(LProgressBar& meter) {
  const std::vector<TColor> colours = Colours(meter);
  int lit = 0;
  for (auto it = colours.rbegin(); it != colours.rend(); ++it) {
    const bool isLit = *it == meter.LFirstColor() || *it == meter.LSecondColor() || *it == meter.LThirdColor();
    if (!isLit) {
      break;
    }
    ++lit;
  }
  return lit;
}

void MakeLevelMeter(LProgressBar& meter, int first, int second, int third, int max) {
  meter.SetFirstNum(first);
  meter.SetSecondNum(second);
  meter.SetThirdNum(third);
  meter.SetMax(max);
}

}  // namespace

TEST(LProgressBar, newMeterHasFiveDarkSegmentsAndMax100) {
  LProgressBar meter;
  EXPECT_EQ(meter.Width(), 14);
  EXPECT_EQ(meter.Height(), 132);
  EXPECT_EQ(meter.Max(), 100);
  EXPECT_EQ(Colours(meter), (std::vector<TColor>{128, 32896, 32768, 32768, 32768}));
}

TEST(LProgressBar, SetPosition_lightsSegmentsFromTheBottom) {
  struct Case {
    int first, second, third, max, min;
    std::vector<int> positions;
    int lit;
    int stored;
  };
  const Case cases[] = {
      {1, 3, 4, 8, 0, {5}, 5, 5},
      {1, 3, 4, 8, 0, {8}, 8, 8},
      {1, 3, 4, 8, 0, {5, 12}, 8, 8},
      {1, 3, 4, 8, 0, {5, -3}, 0, 0},
      {1, 3, 6, 2, 0, {1}, 4, 1},
      {1, 1, 1, 10, 0, {10}, 3, 10},
      {1, 1, 1, 10, 0, {9}, 2, 9},
      {1, 1, 3, 10, 5, {5}, 2, 5},
  };
  for (const Case& c : cases) {
    LProgressBar meter;
    MakeLevelMeter(meter, c.first, c.second, c.third, c.max);
    meter.SetMin(c.min);
    for (int p : c.positions) {
      meter.SetPosition(p);
    }
    EXPECT_EQ(LitFromBottom(meter), c.lit) << c.max << " " << c.positions.back();
    EXPECT_EQ(meter.Position(), c.stored);
  }
}

TEST(LProgressBar, levelMeterOfFiveLightsTheGreenOnesAndTheLowestYellow) {
  LProgressBar meter;
  MakeLevelMeter(meter, 1, 3, 4, 8);
  meter.SetPosition(5);
  EXPECT_EQ(Colours(meter), (std::vector<TColor>{128, 32896, 32896, 65535, 65280, 65280, 65280, 65280}));
}

TEST(LProgressBar, lampTurnsOrangeAndBack) {
  LProgressBar lamp;
  MakeLevelMeter(lamp, 0, 1, 0, 1);
  lamp.SetSecondColor(20123);
  lamp.SetLSecondColor(4629503);
  lamp.SetPosition(1);
  EXPECT_EQ(Colours(lamp), (std::vector<TColor>{4629503}));
  lamp.SetPosition(0);
  EXPECT_EQ(Colours(lamp), (std::vector<TColor>{20123}));
}

TEST(LProgressBar, theStoredPositionChangesNothingEvenAfterACountChange) {
  LProgressBar meter;
  MakeLevelMeter(meter, 1, 3, 4, 8);
  meter.SetPosition(5);
  meter.SetFirstNum(2);
  EXPECT_EQ(LitFromBottom(meter), 0);
  meter.SetPosition(5);
  EXPECT_EQ(LitFromBottom(meter), 0);
}

TEST(LProgressBar, countChangesRebuildTheNamedSegments) {
  LProgressBar grown;
  grown.SetFirstNum(3);
  EXPECT_EQ(Colours(grown), (std::vector<TColor>{128, 128, 128, 32896, 32768, 32768, 32768}));
  EXPECT_EQ(grown.findChildren<TShape*>().size(), 7);

  LProgressBar shrunk;
  shrunk.SetFirstNum(0);
  EXPECT_EQ(Colours(shrunk), (std::vector<TColor>{32896, 32768, 32768, 32768}));

  LProgressBar both;
  both.SetFirstNum(3);
  both.SetFirstNum(0);
  EXPECT_EQ(Colours(both), (std::vector<TColor>{32896, 32768, 32768, 32768}));
  EXPECT_EQ(both.findChildren<TShape*>().size(), 4);
  EXPECT_EQ(Segment(both, 5), nullptr);
}

TEST(LProgressBar, zoneColourSetters) {
  LProgressBar meter;
  MakeLevelMeter(meter, 1, 3, 4, 8);
  meter.SetPosition(3);
  meter.SetThirdColor(clBlue);
  EXPECT_EQ(Colours(meter), (std::vector<TColor>{128, 32896, 32896, 32896, clBlue, clBlue, clBlue, clBlue}));

  LProgressBar partly;
  MakeLevelMeter(partly, 1, 3, 4, 8);
  partly.SetPosition(2);
  partly.SetLThirdColor(clWhite);
  EXPECT_EQ(Colours(partly), (std::vector<TColor>{128, 32896, 32896, 32896, 32768, 32768, clWhite, clWhite}));
}

TEST(LProgressBar, resizeLaysTheSegmentsOutAgain) {
  LProgressBar meter;
  MakeLevelMeter(meter, 1, 3, 4, 8);
  meter.SetBounds(0, 0, 14, 179);
  const int tops[] = {-1, 21, 43, 66, 88, 110, 133, 155};
  for (int k = 1; k <= 8; ++k) {
    EXPECT_EQ(Segment(meter, k)->Top(), tops[k - 1]) << k;
    EXPECT_EQ(Segment(meter, k)->Height(), 24);
    EXPECT_EQ(Segment(meter, k)->Width(), 14);
  }
}

TEST(LProgressBar, noSegmentsOrNoRangeMakeSetPositionDoNothing) {
  LProgressBar empty;
  MakeLevelMeter(empty, 0, 0, 0, 8);
  empty.SetPosition(3);
  EXPECT_EQ(empty.Position(), 0);
  LProgressBar zeroMax;
  zeroMax.SetMax(0);
  zeroMax.SetPosition(3);
  EXPECT_EQ(zeroMax.Position(), 0);
  EXPECT_EQ(LitFromBottom(zeroMax), 0);
  zeroMax.SetFirstNum(-2);
  EXPECT_EQ(zeroMax.FirstNum(), 0);
}

TEST(LProgressBar, drawsLitSegmentsWithBlackOutlines) {
  LProgressBar meter;
  MakeLevelMeter(meter, 1, 3, 4, 8);
  meter.SetBounds(0, 0, 14, 179);
  meter.SetPosition(1);
  const QImage image = meter.grab().toImage();
  EXPECT_EQ(image.pixel(7, 167) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(image.pixel(7, 150) & 0xFFFFFF, 0x008000u);
  EXPECT_EQ(image.pixel(0, 167) & 0xFFFFFF, 0x000000u);
}
