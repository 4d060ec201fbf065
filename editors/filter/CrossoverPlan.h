#pragma once

#include <array>

/// How a crossover curve is assembled from standard filter sections: the
/// filter row of each slope byte, the Butterworth and Bessel section
/// tables and the Linkwitz-Riley recipes. Pure data; any thread.

/// Slope byte 0..20 (0 bypassed, k = slope list item k - 1) -> filter row:
/// 0 bypass, 1..8 Butterworth order 1..8, 9..16 Bessel order 1..8, 17..20
/// Linkwitz-Riley order 2, 4, 6, 8.
inline constexpr std::array<int, 21> CrossoverSlopeRows{0, 1, 9, 2, 10, 17, 3, 11, 4, 12, 18,
                                                        5, 13, 6, 14, 19, 7, 15, 8, 16, 20};

/// Per Butterworth order 1..8 (index order - 1): entry 0 is 1.0 for an odd
/// order's first-order section, entries 1..4 the second-order coefficients.
extern const std::array<std::array<float, 5>, 8> ButterworthSectionTable;

/// Per Bessel order 1..8: pair 0 (a, 0) the first-order section of an odd
/// order, pairs 1..4 the second-order sections 1 + a s + b s^2; a = 0 where
/// the order has no such section.
struct BesselPair {
  float a = 0.0f;
  float b = 0.0f;
};
extern const std::array<std::array<BesselPair, 5>, 8> BesselSectionTable;

/// One section of an assembled crossover.
enum class CrossoverStage { Flat, FirstOrder, SecondOrder, BesselSecondOrder };
struct CrossoverSection {
  CrossoverStage stage = CrossoverStage::Flat;
  float c0 = 0.0f;
  float c1 = 0.0f;
};

/// What a slope byte builds: `direct` (rows 0 and 1) sets the target
/// section itself; otherwise the five work sections are set and the target
/// takes the last non-flat one's type with their curves summed.
struct CrossoverRecipe {
  bool direct = false;
  CrossoverSection target;
  std::array<CrossoverSection, 5> work{};
};
/// The recipe of slope byte 0..20; a byte outside it is bypass.
CrossoverRecipe CrossoverRecipeFor(int slope);

/// The section type of a stage: low cut (high-pass) 14, 15, 16, high cut
/// (low-pass) 11, 12, 13; flat 10.
int CrossoverSectionType(CrossoverStage stage, bool lowCut);
