#include "editors/filter/CrossoverPlan.h"

const std::array<std::array<float, 5>, 8> ButterworthSectionTable{{
    {1.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 1.4142f, 0.0f, 0.0f, 0.0f},
    {1.0f, 1.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.7654f, 1.8478f, 0.0f, 0.0f},
    {1.0f, 0.618f, 1.618f, 0.0f, 0.0f},
    {0.0f, 0.5176f, 1.4142f, 1.9319f, 0.0f},
    {1.0f, 0.445f, 1.247f, 1.8019f, 0.0f},
    {0.0f, 0.3902f, 1.1111f, 1.6629f, 1.9616f},
}};

const std::array<std::array<BesselPair, 5>, 8> BesselSectionTable{{
    {{{1.0f, 0.0f}}},
    {{{}, {1.3617f, 0.618f}}},
    {{{0.756f, 0.0f}, {0.9996f, 0.4772f}}},
    {{{}, {1.3397f, 0.4889f}, {0.7743f, 0.389f}}},
    {{{0.6656f, 0.0f}, {1.1402f, 0.4128f}, {0.6216f, 0.3245f}}},
    {{{}, {1.2217f, 0.3887f}, {0.9686f, 0.3505f}, {0.5131f, 0.2756f}}},
    {{{0.5937f, 0.0f}, {1.0944f, 0.3395f}, {0.8304f, 0.3011f}, {0.4332f, 0.2381f}}},
    {{{}, {1.1112f, 0.3162f}, {0.9754f, 0.2979f}, {0.7202f, 0.2621f}, {0.3728f, 0.2087f}}},
}};

namespace {

constexpr CrossoverSection First(float c0) { return {CrossoverStage::FirstOrder, c0, 0.0f}; }
constexpr CrossoverSection Second(float c0) { return {CrossoverStage::SecondOrder, c0, 0.0f}; }

}  // namespace

CrossoverRecipe CrossoverRecipeFor(int slope) {
  CrossoverRecipe recipe;
  const int row = slope >= 0 && slope <= 20 ? CrossoverSlopeRows[std::size_t(slope)] : 0;
  if (row <= 1) {
    recipe.direct = true;
    recipe.target = row == 0 ? CrossoverSection{} : First(1.0f);
  } else if (row <= 8) {
    const auto& t = ButterworthSectionTable[std::size_t(row - 1)];
    recipe.work[0] = t[0] == 1.0f ? First(1.0f) : CrossoverSection{};
    for (std::size_t i = 1; i < 5; ++i) {
      recipe.work[i] = t[i] != 0.0f ? Second(t[i]) : CrossoverSection{};
    }
  } else if (row <= 16) {
    const auto& t = BesselSectionTable[std::size_t(row - 9)];
    recipe.work[0] = t[0].a != 0.0f ? First(t[0].a) : CrossoverSection{};
    for (std::size_t i = 1; i < 5; ++i) {
      recipe.work[i] = t[i].a != 0.0f ? CrossoverSection{CrossoverStage::BesselSecondOrder, t[i].a, t[i].b}
                                      : CrossoverSection{};
    }
  } else if (row == 17) {
    recipe.work[0] = recipe.work[1] = First(1.0f);
  } else if (row == 18) {
    recipe.work[0] = recipe.work[1] = Second(1.4142f);
  } else if (row == 19) {
    recipe.work[0] = recipe.work[1] = First(1.0f);
    recipe.work[2] = recipe.work[3] = Second(1.0f);
  } else {
    recipe.work[0] = recipe.work[1] = Second(1.8478f);
    recipe.work[2] = recipe.work[3] = Second(0.7654f);
  }
  if (!recipe.direct) {
    for (const CrossoverSection& section : recipe.work) {
      if (section.stage != CrossoverStage::Flat) {
        recipe.target = section;
      }
    }
  }
  return recipe;
}

int CrossoverSectionType(CrossoverStage stage, bool lowCut) {
  switch (stage) {
    case CrossoverStage::FirstOrder:
      return lowCut ? 14 : 11;
    case CrossoverStage::SecondOrder:
      return lowCut ? 15 : 12;
    case CrossoverStage::BesselSecondOrder:
      return lowCut ? 16 : 13;
    case CrossoverStage::Flat:
      break;
  }
  return 10;
}
