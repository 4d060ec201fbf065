#pragma once

#include <optional>
#include <vector>

/// Windows of the designed FIR filters; stored in the unit image, hence the
/// explicit values.
enum FirWindow : int {
  FirWindowRect = 0,
  FirWindowBartlett = 1,
  FirWindowHanning = 2,
  FirWindowHamming = 3,
  FirWindowBlackman = 4,
  FirWindowSine = 5,
  FirWindowSinc = 6,
  FirWindowNuttall = 7,
  FirWindowKaiser = 8,
  FirWindowBlackmanNuttall = 9,
  FirWindowHarris = 10,
};

/// Designed FIR kinds.
enum FirType : int {
  FirTypeNone = 0,
  FirTypeLowPass = 1,
  FirTypeHighPass = 2,
  FirTypeBandPass = 3,
};

/// Window value at offset n (-taps/2 .. taps/2) of a window over `taps` taps;
/// 0 for a window code outside 0..10.
double FirWindowValue(int window, int n, int taps);

/// Windowed-sinc design at 96 kHz: the `taps` coefficients c[i] = h[i - taps/2].
/// Type 0 is a unit impulse at c[0]; type 1 a low pass at `upper` Hz, type 2
/// a high pass at `lower` Hz, type 3 a band pass between them. An unknown
/// type or window, or fewer than one tap, gives no result. Pure, any thread.
std::optional<std::vector<double>> DesignWindowedFir(int type, int window, double lower, double upper,
                                                     int taps);
