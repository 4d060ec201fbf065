#!/usr/bin/python3
"""Writes the golden fixtures of the FIR designer tests into
tests/firdesign/fixtures: a measurement and a target file, and the curves and
coefficients that one full design of them gives.

Every step is written out literally from the designer's description (the
token parser, the flat extension, the one-pass resampling, the windows and
rotations, float32 where the designer keeps float32), independently of the
C++ code. Run once with Debian's python3-numpy and python3-scipy:
    tools/firdesignref/make_fixtures.py
The fixtures are committed; the tests need no Python."""

import csv
import math
import os

import numpy as np
from scipy import signal

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "firdesign", "fixtures")
N = 4096
HALF = N // 2
FS = 96000.0
BIN_GRID = np.arange(N) * (FS / N)
FREQ_RATIO = 1.023373891996775

# The scenario the tests run: every switch down, 512 taps with the time zero
# at tap 200, smoothing "1/6" and three active bands plus a bypassed one.
TAPS = 512
OUTPUT_DELAY = 200
SMOOTHING = 16
MAG_RANGE = (140, 300)
PHASE_RANGE = (140, 300)
# (frequency, gain, q, panel type, bypassed)
BANDS = [
    (1000.0, 3.0, 2.0, 0, False),
    (100.0, -4.0, 0.71, 1, False),
    (8000.0, -2.5, 0.71, 2, False),
    (40.0, 0.0, 0.71, 6, False),
    (5000.0, 6.0, 3.0, 0, True),
]
PANEL_CODES = [1, 2, 3, 8, 5, 9, 4]
# Every 16th point and the last one keep the curve files small.
SAMPLED = sorted(set(range(0, N, 16)) | {N - 1})


def log_grid(top):
    return np.array([10.0 ** (math.log10(top) * k / N) for k in range(N)])


def index_to_freq(index):
    return 1000.0 * FREQ_RATIO ** (index - 170)


# --- the token parser ---------------------------------------------------------

def is_signed_number(token):
    rest = token[1:] if token[:1] in ("+", "-") else token
    return all(c.isdigit() or c == "." for c in rest)


def value_of(token):
    """Longest valid decimal prefix; 0 when there is none."""
    best = 0.0
    for end in range(1, len(token) + 1):
        try:
            best = float(token[:end])
        except ValueError:
            pass
    return best


def read_response(text):
    tokens = text.split()
    at = 0
    current = None
    end = False

    def read():
        nonlocal at, current, end
        if at >= len(tokens):
            end = True
            return False
        current = tokens[at]
        at += 1
        return True

    read()
    while not end and not is_signed_number(current):
        read()
    records = []
    bad = False
    while not end:
        bad = False
        fields = []
        for f in range(3):
            if f > 0 and not read():
                bad = True  # cut short by the end of the text
                fields.append(0.0)
            elif is_signed_number(current):
                fields.append(value_of(current))
            else:
                bad = True
                fields.append(0.0)
        read()
        if is_signed_number(current):
            if not bad:
                records.append(fields)
            if np.float32(value_of(current)) <= np.float32(1.0):
                read()
        else:
            bad = True
            read()
    assert not bad and len(records) >= 2
    return [np.array(c) for c in zip(*records)]


# --- the steps --------------------------------------------------------------------

def interpolate_onto_grid(grid, x, y, below, above):
    out = np.full(len(grid), below, dtype=float)
    g = 0
    for j in range(1, len(x)):
        while g < len(grid) and grid[g] < x[j]:
            if grid[g] >= x[j - 1]:
                out[g] = y[j - 1] + (grid[g] - x[j - 1]) * (y[j] - y[j - 1]) / (x[j] - x[j - 1])
            g += 1
    out[g:] = above
    return out


def extend_flat(f, m, p, level, phase):
    n = len(f) - 1
    f = np.append(f[:n], [f[n - 1] + 10.0, 48000.0])
    m = np.append(m[:n], [level, level])
    p = np.append(p[:n], [phase, phase])
    return f, m, p, n


def phase_degrees(x):
    out = np.zeros(len(x))
    for k, v in enumerate(x):
        re, im = v.real, v.imag
        if re == 0.0:
            continue
        d = math.atan(im / re) * 180.0 / math.pi
        if re < 0.0:
            d += 180.0 if im >= 0.0 else -180.0
        out[k] = d
    return out


def impulse_of(grid, magnitude, phase, fills, sign):
    m = interpolate_onto_grid(BIN_GRID[:HALF + 1], grid, magnitude, fills[0], fills[1])
    p = interpolate_onto_grid(BIN_GRID[:HALF + 1], grid, phase, fills[2], fills[3])
    m = np.concatenate([m, m[HALF - 1:0:-1]])
    p = np.concatenate([p, -p[HALF - 1:0:-1]])
    x = 10.0 ** (sign * m / 20.0) * np.exp(1j * sign * p * math.pi / 180.0)
    return np.fft.ifft(x).real


def estimate_impulse(h):
    peak, largest = 0, 0.0
    for k in range(N):
        if h[k] > largest:
            peak, largest = k, h[k]
    out = np.zeros(N)
    if peak > 0:
        for j in range(min(2 * peak, N)):
            out[j] = 0.5 * (1 - math.cos(2 * math.pi * j / (2 * peak - 1))) * h[j]
    else:
        for k in range(N):
            out[k] = 0.5 * (1 - math.cos(2 * math.pi * (k - HALF) / (N - 1))) * h[k]
    return out


def index_of_max(values):
    index, largest = 0, 0.0
    for i, v in enumerate(values):
        if v >= largest:
            index, largest = i, v
    return index


def biquad(code, q, gain, f):
    k = math.tan(math.pi * f / FS)
    s = 1 + k / q + k * k
    v = 10.0 ** (abs(gain) / 20.0)
    sv = math.sqrt(v)
    a1, a2 = 2 * (k * k - 1) / s, (1 - k / q + k * k) / s
    if code == 1:
        if gain >= 0:
            b = [(1 + v * k / q + k * k) / s, 2 * (k * k - 1) / s, (1 - v * k / q + k * k) / s]
        else:
            d = 1 + v * k / q + k * k
            b = [s / d, 2 * (k * k - 1) / d, (1 - k / q + k * k) / d]
            a1, a2 = 2 * (k * k - 1) / d, (1 - v * k / q + k * k) / d
    elif code == 2:
        if gain >= 0:
            b = [(1 + sv * k / q + v * k * k) / s, 2 * (v * k * k - 1) / s, (1 - sv * k / q + v * k * k) / s]
        else:
            d = 1 + sv * k / q + v * k * k
            b = [s / d, 2 * (k * k - 1) / d, (1 - k / q + k * k) / d]
            a1, a2 = 2 * (v * k * k - 1) / d, (1 - sv * k / q + v * k * k) / d
    elif code == 3:
        if gain >= 0:
            b = [(v + sv * k / q + k * k) / s, 2 * (k * k - v) / s, (v - sv * k / q + k * k) / s]
        else:
            d1 = v + sv * k / q + k * k
            d2 = 1 + k / (q * sv) + k * k / v
            b = [s / d1, 2 * (k * k - 1) / d1, (1 - k / q + k * k) / d1]
            a1, a2 = 2 * (k * k / v - 1) / d2, (1 - k / (q * sv) + k * k / v) / d2
    elif code == 4:
        b = [1 / s, -2 / s, 1 / s]
    elif code == 5:
        b = [k * k / s, 2 * k * k / s, k * k / s]
    elif code == 8:
        b = [k / (k + 1), k / (k + 1), 0.0]
        a1, a2 = (k - 1) / (k + 1), 0.0
    elif code == 9:
        b = [-1 / (k + 1), 1 / (k + 1), 0.0]
        a1, a2 = (k - 1) / (k + 1), 0.0
    else:
        b, a1, a2 = [1.0, 0.0, 0.0], 0.0, 0.0
    return b, [1.0, a1, a2]


def eq_curve(grid):
    w = 2 * math.pi * grid / FS
    z1, z2 = np.exp(-1j * w), np.exp(-2j * w)
    total = np.zeros(N)
    for f, g, q, t, bypassed in BANDS:
        b, a = biquad(10 if bypassed else PANEL_CODES[t], q, g, f)
        num = np.abs(b[0] + b[1] * z1 + b[2] * z2)
        den = np.abs(a[0] + a[1] * z1 + a[2] * z2)
        total += np.where(num == 0, -20 * np.log10(1e6 * den), 20 * np.log10(np.where(num == 0, 1, num) / den))
    return total


def savgol(values, w):
    return signal.savgol_filter(values, 2 * w + 1, 1, mode="interp")


# --- the input files --------------------------------------------------------------

def loudspeaker(f):
    """An analogue loudspeaker-like response: 2nd-order high pass at 70 Hz,
    a resonance at 2.2 kHz, a fourth-order roll-off above 12 kHz and 1.2 ms
    of flight."""
    s = 2j * math.pi * f
    w1, w2, w3 = (2 * math.pi * x for x in (70.0, 2200.0, 12000.0))
    hp = s * s / (s * s + s * w1 / 0.8 + w1 * w1)
    peak = (s * s + s * w2 * 1.6 / 1.4 + w2 * w2) / (s * s + s * w2 / 1.4 + w2 * w2)
    lp = (w3 * w3 / (s * s + s * w3 / 0.54 + w3 * w3)) * (w3 * w3 / (s * s + s * w3 / 1.31 + w3 * w3))
    return 10 ** (-7.3 / 20) * hp * peak * lp * np.exp(-s * 0.0012)


def write_measurement():
    f = np.round(np.geomspace(20.0, 40000.0, 160), 2)
    h = loudspeaker(f)
    m = np.round(20 * np.log10(np.abs(h)), 2)
    p = np.round(np.angle(h, deg=True), 2)
    rng = np.random.default_rng(71)
    c = np.round(rng.uniform(0.7, 1.0, len(f)), 2)
    lines = ["Smaart Transfer Function export", "Name: Tops left  Date: 2026/03/14",
             "Frequency(Hz)\tMagnitude(dB)\tPhase(deg)\tCoherence"]
    lines += ["%.2f\t%.2f\t%.2f\t%.2f" % row for row in zip(f, m, p, c)]
    text = "\r\n".join(lines) + "\r\n"
    with open(os.path.join(OUT, "measurement.txt"), "w", newline="") as out:
        out.write(text)
    return text


def write_target():
    f = np.round(np.geomspace(20.0, 20000.0, 31), 1)
    m = np.round(-1.5 * np.log2(f / 1000.0) / 3.0, 3)
    p = np.zeros(len(f))
    lines = ["Target curve: house tilt"] + ["%.1f %.3f %.1f" % row for row in zip(f, m, p)]
    text = "\n".join(lines) + "\n"
    with open(os.path.join(OUT, "target.txt"), "w", newline="") as out:
        out.write(text)
    return text


def write(name, header, rows):
    with open(os.path.join(OUT, name), "w", newline="") as f:
        out = csv.writer(f, lineterminator="\n")
        out.writerow(header)
        for row in rows:
            out.writerow([v if isinstance(v, (int, str)) else repr(float(v)) for v in row])


def main():
    os.makedirs(OUT, exist_ok=True)
    measurement_text = write_measurement()
    target_text = write_target()
    grid = log_grid(48000.0)

    # Target.
    tf, tm, tp = read_response(target_text)
    tf, tm, tp, _ = extend_flat(tf, tm, tp, 0.0, 0.0)
    target_mag = interpolate_onto_grid(grid, tf, tm, tm[0], tm[-1])
    target_phase = interpolate_onto_grid(grid, tf, tp, tp[0], tp[-1])

    # Measurement.
    mf, mm, mp = read_response(measurement_text)
    n = len(mf) - 1
    mf, mm, mp, n = extend_flat(mf, mm, mp, mm[n - 1], mp[n - 1])
    meas_mag = interpolate_onto_grid(grid, mf, mm, mm[0], mm[-1])
    meas_phase = interpolate_onto_grid(grid, mf, mp, mp[0], mp[-1])
    h = impulse_of(grid, meas_mag, meas_phase, (meas_mag[0], meas_mag[-1], meas_phase[0], meas_phase[-1]), 1.0)
    impulse = estimate_impulse(h)

    # Automatic gain and delay.
    levels = [mm[k] for k in range(n) if mf[k] > 100.0]
    mean = sum(levels) / len(levels)
    steps = math.trunc(-mean * 10.0)
    print("auto gain steps %.4f" % (-mean * 10.0))
    position = min(max(steps + 120, 0), 240)
    import_gain = float(np.float32((position - 120) * 0.1))
    import_delay = max(-index_of_max(impulse), -960)

    # Delay compensation.
    buffer = np.roll(impulse.astype(complex), import_delay)
    bin_phase = phase_degrees(np.fft.fft(buffer))
    compensated = interpolate_onto_grid(grid, BIN_GRID, bin_phase, bin_phase[0], bin_phase[-1])

    # Design target.
    eq = eq_curve(grid)
    mag_low, mag_high = (float(np.float32(index_to_freq(i))) for i in MAG_RANGE)
    ph_low, ph_high = (float(np.float32(index_to_freq(i))) for i in PHASE_RANGE)
    design_mag = np.where((grid >= mag_low) & (grid <= mag_high), meas_mag - eq - target_mag + import_gain, 0.0)
    design_phase = np.where((grid >= ph_low) & (grid <= ph_high), compensated - target_phase, 0.0)
    smooth_mag = savgol(design_mag, SMOOTHING)
    smooth_phase = savgol(design_phase, SMOOTHING)

    # Synthesis.
    h2 = TAPS // 2
    d = OUTPUT_DELAY
    hc = impulse_of(grid, smooth_mag, smooth_phase, (design_mag[0], design_mag[-1], design_phase[0], design_phase[-1]),
                    -1.0)
    s = 2 * h2 - d
    hc = np.roll(hc, s)
    c = np.zeros(N)
    for k in range(2 * s):
        c[k] = 0.5 * (1 - math.cos(2 * math.pi * k / (2 * s - 1))) * hc[k]
    c[:2 * (h2 - d)] = 0.0
    c = np.roll(c, -2 * (h2 - d))
    spectrum = np.fft.fft(np.roll(c.astype(complex), -d))
    fir_mag = 20 * np.log10(np.abs(spectrum))
    fir_phase = phase_degrees(spectrum)
    predicted_mag = interpolate_onto_grid(grid, BIN_GRID, fir_mag, fir_mag[0], fir_mag[-1]) + meas_mag + import_gain
    predicted_phase = interpolate_onto_grid(grid, BIN_GRID, fir_phase, fir_phase[0], fir_phase[-1]) + compensated

    write("design_scalars.csv", ["point_count", "gain_position", "import_gain", "import_delay"],
          [(n, position, import_gain, import_delay)])
    write("design_curves.csv",
          ["index", "grid", "measured_mag", "measured_phase", "target_mag", "target_phase", "eq_mag",
           "design_mag", "design_phase", "smoothed_mag", "smoothed_phase", "predicted_mag", "predicted_phase",
           "impulse", "fir_mag", "fir_phase"],
          [(k, grid[k], meas_mag[k], compensated[k], target_mag[k], target_phase[k], eq[k], design_mag[k],
            design_phase[k], smooth_mag[k], smooth_phase[k], predicted_mag[k], predicted_phase[k], impulse[k],
            fir_mag[k], fir_phase[k]) for k in SAMPLED])
    write("design_coefficients.csv", ["tap", "value"], [(k, c[k]) for k in range(TAPS)])
    # The imported phase as resampled, before the delay compensation.
    write("imported_phase.csv", ["index", "value"], [(k, meas_phase[k]) for k in SAMPLED])


if __name__ == "__main__":
    main()
