"""Reference formulas for the signal-maths checks, written independently of
the C++ code: the plot grid, textbook (RBJ) sections, prewarped bilinear
first-order sections, the peaking section and the windowed-sinc FIR."""

import math

import numpy as np
from scipy import signal

FS = 96000.0
BINS = 4096


def grid_frequencies():
    k = np.arange(BINS, dtype=float)
    return 10.0 ** (math.log10(48000.0) * k / BINS)


def grid_omegas():
    return 2.0 * math.pi * grid_frequencies() / FS


def rbj(kind, f0, q):
    """Audio EQ cookbook sections (b, a), a[0] = 1."""
    w0 = 2.0 * math.pi * f0 / FS
    alpha = math.sin(w0) / (2.0 * q)
    cw = math.cos(w0)
    if kind == "lpf":
        b = [(1 - cw) / 2, 1 - cw, (1 - cw) / 2]
    elif kind == "hpf":
        b = [(1 + cw) / 2, -(1 + cw), (1 + cw) / 2]
    elif kind == "bpf":
        b = [alpha, 0.0, -alpha]
    elif kind == "notch":
        b = [1.0, -2 * cw, 1.0]
    elif kind == "apf":
        b = [1 - alpha, -2 * cw, 1 + alpha]
    else:
        raise ValueError(kind)
    a = [1 + alpha, -2 * cw, 1 - alpha]
    return [x / a[0] for x in b], [x / a[0] for x in a]


def first_order(kind, f0):
    """First-order sections by scipy's bilinear transform, corner prewarped."""
    wc = 2.0 * FS * math.tan(math.pi * f0 / FS)
    analog = {
        "allpass": ([-1.0, wc], [1.0, wc]),
        "lowpass": ([wc], [1.0, wc]),
        "highpass_inverted": ([-1.0, 0.0], [1.0, wc]),
    }[kind]
    b, a = signal.bilinear(analog[0], analog[1], fs=FS)
    b = list(b) + [0.0] * (3 - len(b))
    a = list(a) + [0.0] * (3 - len(a))
    return b, a


def peaking(f0, gain, q):
    """Peaking section: boost widens the numerator, cut the denominator."""
    k = math.tan(math.pi * f0 / FS)
    v = 10.0 ** (0.05 * abs(gain))
    kn, kd = (k * v, k) if gain >= 0 else (k, k * v)
    d = k * k + kd / q + 1
    b = [(k * k + kn / q + 1) / d, 2 * (k * k - 1) / d, (k * k - kn / q + 1) / d]
    a = [1.0, 2 * (k * k - 1) / d, (k * k - kd / q + 1) / d]
    return b, a


def _prewarped_bilinear(b, a, f0):
    """Analog (b, a) in s / wc, wc the prewarped corner, by scipy's bilinear."""
    wc = 2.0 * FS * math.tan(math.pi * f0 / FS)
    b, a = signal.lp2lp(b, a, wo=wc)
    b, a = signal.bilinear(b, a, fs=FS)
    return list(b / a[0]), list(a / a[0])


def shelf(low, f0, gain, q):
    """Second-order shelf: the boost prototype, inverted for a cut."""
    v = 10.0 ** (0.05 * abs(gain))
    plain = [1.0, 1.0 / q, 1.0]
    if low:
        boost = [1.0, math.sqrt(v) / q, v]
    else:
        boost = [v, math.sqrt(v) / q, 1.0]
    b, a = (boost, plain) if gain >= 0 else (plain, boost)
    return _prewarped_bilinear(b, a, f0)


def crossover_prototype(low, f0, q, c0, c1):
    """Low pass 1 / (1 + c0 s p + c1 p^2), p = s / wc, damping scale
    s = 0.7344... / Q (1 at Q 0); the high pass by scipy's lp2hp of it."""
    scale = 0.7344008869083377 / q if q != 0.0 else 1.0
    b, a = [1.0], [c1, c0 * scale, 1.0]
    wc = 2.0 * FS * math.tan(math.pi * f0 / FS)
    b, a = signal.lp2lp(b, a, wo=wc) if low else signal.lp2hp(b, a, wo=wc)
    b, a = signal.bilinear(b, a, fs=FS)
    b = list(np.concatenate([np.zeros(3 - len(b)), b]))
    return list(np.array(b) / a[0]), list(a / a[0])


def window(code, n, taps):
    x = 2.0 * math.pi * n / taps
    four = {
        5: (0.335768, 0.487396, 0.144232, 0.012604),
        7: (0.335768, 0.487396, 0.144232, 0.012604),
        8: (0.402, 0.498, 0.098, 0.001),
        9: (0.3635819, 0.4891775, 0.1365995, 0.0106411),
        10: (0.35875, 0.48829, 0.14128, 0.01168),
    }
    if code == 0:
        return 1.0
    if code == 1:
        return 1.0 - 2.0 * abs(n) / taps
    if code == 2:
        return (math.cos(x) + 1.0) * 0.5
    if code == 3:
        return 0.54 + 0.46 * math.cos(x)
    if code == 4:
        return 0.42 + 0.5 * math.cos(x) + 0.08 * math.cos(2 * x)
    if code == 6:
        return 1.0 if n == 0 else math.sin(x) / x
    a = four[code]
    return a[0] + a[1] * math.cos(x) + a[2] * math.cos(2 * x) + a[3] * math.cos(3 * x)


def windowed_fir(kind, code, lower, upper, taps):
    """Coefficients c[i] = h[i - taps//2], i < taps, of the windowed sinc."""
    half = taps // 2
    wu = 2.0 * math.pi * upper / FS
    wl = 2.0 * math.pi * lower / FS
    c = []
    for i in range(taps):
        n = i - half
        if kind == 0:
            c.append(1.0 if n == -half else 0.0)
            continue
        if n == 0:
            h = {1: wu / math.pi, 2: (math.pi - wl) / math.pi, 3: (wu - wl) / math.pi}[kind]
        elif kind == 1:
            h = math.sin(n * wu) / (n * math.pi)
        elif kind == 2:
            h = -math.sin(n * wl) / (n * math.pi)
        else:
            h = (math.sin(n * wu) - math.sin(n * wl)) / (n * math.pi)
        c.append(h * window(code, n, taps))
    return np.array(c)


def fir_response(c):
    """Direct sum H(w) = sum c[i] e^(-j i w) on the grid."""
    w = grid_omegas()
    i = np.arange(len(c), dtype=float)
    return np.exp(-1j * np.outer(w, i)) @ c
