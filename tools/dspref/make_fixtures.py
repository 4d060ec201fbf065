#!/usr/bin/python3
"""Writes the golden CSV fixtures of the dsp tests into tests/dsp/fixtures.

Run once with Debian's python3-numpy and python3-scipy:
    tools/dspref/make_fixtures.py
The fixtures are committed; the tests need no Python."""

import csv
import math
import os
import sys

import numpy as np
from scipy import signal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dspref  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "dsp", "fixtures")
# Every 16th grid point, the 1 kHz point and the last one keep the curve files small.
SAMPLED = sorted(set(range(0, dspref.BINS, 16)) | {2625, dspref.BINS - 1})


def write(name, header, rows):
    with open(os.path.join(OUT, name), "w", newline="") as f:
        out = csv.writer(f, lineterminator="\n")
        out.writerow(header)
        for row in rows:
            out.writerow([repr(float(v)) if not isinstance(v, (int, str)) else v for v in row])


def test_signal(n):
    """The complex input both sides build: a mix of incommensurate tones."""
    m = np.arange(n, dtype=float)
    return (np.sin(0.7 * m) + 0.3 * np.cos(2.1 * m)) + 1j * (np.cos(1.3 * m) - 0.5 * np.sin(0.4 * m))


def fft_fixture():
    x = test_signal(4096)
    spectrum = np.fft.fft(x)
    write("fft_4096.csv", ["bin", "re", "im"],
          [(k, spectrum[k].real, spectrum[k].imag) for k in range(0, 4096, 16)])


def roll_fixture():
    rows = []
    for n, k in [(8, -3), (8, 3), (8, 11), (8, -9), (5, 0), (7, 6)]:
        rolled = np.roll(np.arange(n, dtype=float), k)
        rows.extend((n, k, i, rolled[i]) for i in range(n))
    write("roll.csv", ["n", "k", "index", "value"], rows)


def interp_fixture():
    data_x = np.array([1.0, 2.5, 3.0, 7.0, 7.5, 12.0, 20.0])
    data_y = np.array([0.0, -3.0, 4.0, 4.5, -1.0, 10.0, 2.0])
    grid = np.linspace(0.0, 22.0, 45)
    expected = np.interp(grid, data_x, data_y, left=-100.0, right=100.0)
    write("interp_data.csv", ["x", "y"], zip(data_x, data_y))
    write("interp_grid.csv", ["x", "expected"], zip(grid, expected))


SECTIONS = [
    # (label, type code, f0, gain, q, b, a)
    ("lpf", 5, 1000.0, 0.0, 0.71),
    ("lpf", 5, 15000.0, 0.0, 3.0),
    ("hpf", 4, 80.0, 0.0, 0.71),
    ("hpf", 4, 5000.0, 0.0, 0.5),
    ("bpf", 6, 2000.0, 0.0, 1.0),
    ("bpf", 6, 300.0, 0.0, 10.0),
    ("notch", 19, 1000.0, 0.0, 2.0),
    ("notch", 19, 60.0, 0.0, 8.0),
    ("apf", 17, 500.0, 0.0, 0.71),
    ("apf", 17, 12000.0, 0.0, 4.0),
    ("allpass", 7, 1000.0, 0.0, 0.71),
    ("lowpass", 8, 200.0, 0.0, 0.71),
    ("highpass_inverted", 9, 3000.0, 0.0, 0.71),
    ("peak", 1, 1000.0, 6.0, 1.0),
    ("peak", 1, 250.0, -9.5, 4.0),
]


def section_coefficients(label, f0, gain, q):
    if label in ("lpf", "hpf", "bpf", "notch", "apf"):
        return dspref.rbj(label, f0, q)
    if label == "peak":
        return dspref.peaking(f0, gain, q)
    return dspref.first_order(label, f0)


def biquad_fixtures():
    rows = []
    for label, code, f0, gain, q in SECTIONS:
        b, a = section_coefficients(label, f0, gain, q)
        rows.append((code, f0, gain, q, *b, *a[1:]))
    write("biquad_coefficients.csv", ["type", "f0", "gain", "q", "b0", "b1", "b2", "a1", "a2"], rows)

    w = dspref.grid_omegas()
    columns = []
    for label, code, f0, gain, q in SECTIONS:
        b, a = section_coefficients(label, f0, gain, q)
        _, h = signal.freqz(b, a, worN=w)
        columns.append(20.0 * np.log10(np.abs(h)))
    header = ["bin"] + [f"s{i}" for i in range(len(SECTIONS))]
    write("biquad_curves.csv", header, [(k, *(c[k] for c in columns)) for k in SAMPLED])


# Sections checked against analog prototypes: cut shelves (the inverse of
# the boost prototype) and the crossover prototype sections, at mid-band
# corners, in magnitude and phase. The curve of a band pass (type 6) keeps
# its own phase rule; the last row draws an all-pass section under type 6,
# whose phase passes the third quadrant where that rule differs.
MORE_SECTIONS = [
    # (type code, f0, gain, q, c0, c1[, curve type])
    (2, 700.0, -9.0, 0.71, 0.0, 0.0),
    (2, 3000.0, -3.5, 2.5, 0.0, 0.0),
    (3, 2000.0, -12.0, 0.71, 0.0, 0.0),
    (3, 9000.0, -6.0, 1.4, 0.0, 0.0),
    (13, 1500.0, 0.0, 0.0, 1.3617, 0.618),
    (13, 4000.0, 0.0, 0.5, 0.7654, 1.0),
    (16, 1500.0, 0.0, 0.0, 1.3617, 0.618),
    (16, 400.0, 0.0, 1.2, 1.8478, 1.0),
    (6, 2000.0, 0.0, 1.0, 0.0, 0.0),
    (6, 300.0, 0.0, 10.0, 0.0, 0.0),
    (6, 20000.0, 0.0, 0.3, 0.0, 0.0),
    (17, 1000.0, 0.0, 0.71, 0.0, 0.0, 6),
]


def more_section_coefficients(code, f0, gain, q, c0, c1, curve=None):
    c0, c1 = float(np.float32(c0)), float(np.float32(c1))
    if code == 2:
        return dspref.shelf(True, f0, gain, q)
    if code == 3:
        return dspref.shelf(False, f0, gain, q)
    if code in (13, 16):
        return dspref.crossover_prototype(code == 13, f0, q, c0, c1)
    if code == 17:
        return dspref.rbj("apf", f0, q)
    return dspref.rbj("bpf", f0, q)


def phase_tens(code, h):
    """Phase of H in tens of degrees; a band pass (type 6) is not taken down
    by half a turn in the third quadrant."""
    tens = np.angle(h) * 18.0 / math.pi
    if code == 6:
        tens = np.where((h.real < 0) & (h.imag < 0), tens + 18.0, tens)
    return tens


def more_biquad_fixtures():
    rows = []
    w = dspref.grid_omegas()
    columns = []
    for section in MORE_SECTIONS:
        code, f0, gain, q, c0, c1 = section[:6]
        curve = section[6] if len(section) > 6 else code
        b, a = more_section_coefficients(*section)
        rows.append((code, curve, f0, gain, q, float(np.float32(c0)), float(np.float32(c1)), *b, *a[1:]))
        _, h = signal.freqz(b, a, worN=w)
        columns.append(20.0 * np.log10(np.abs(h)))
        columns.append(phase_tens(curve, h))
    write("biquad_more_coefficients.csv",
          ["type", "curve", "f0", "gain", "q", "c0", "c1", "b0", "b1", "b2", "a1", "a2"], rows)
    header = ["bin"]
    for i in range(len(MORE_SECTIONS)):
        header += [f"mag{i}", f"phase{i}"]
    write("biquad_more_curves.csv", header, [(k, *(c[k] for c in columns)) for k in SAMPLED])


def savgol_fixture():
    n = 64
    m = np.arange(n, dtype=float)
    v = np.sin(0.3 * m) + 0.2 * np.cos(1.7 * m) + 0.01 * m * m
    cases = [(1, 1), (2, 1), (4, 1), (3, 2), (5, 3), (6, 2)]
    columns = [signal.savgol_filter(v, 2 * w + 1, d, mode="interp") for w, d in cases]
    header = ["input"] + [f"w{w}d{d}" for w, d in cases]
    write("savgol.csv", header, [(v[i], *(c[i] for c in columns)) for i in range(n)])


FIR_DESIGNS = [
    # (FIR type, window, lower, upper, taps)
    (1, 3, 0.0, 2000.0, 512),
    (2, 4, 200.0, 0.0, 1024),
    (3, 10, 300.0, 5000.0, 768),
    (1, 8, 0.0, 8000.0, 301),
    (3, 1, 1000.0, 2000.0, 256),
    (2, 6, 120.0, 0.0, 1023),
]


# The windows the designs above leave out.
FIR_WINDOW_DESIGNS = [
    (1, 0, 0.0, 3000.0, 256),
    (2, 2, 500.0, 0.0, 512),
    (3, 5, 400.0, 4000.0, 1024),
    (1, 7, 0.0, 1200.0, 767),
    (2, 9, 1500.0, 0.0, 300),
]


def fir_fixture(name="fir_designs.csv", designs=FIR_DESIGNS):
    columns = []
    for kind, code, lower, upper, taps in designs:
        h = dspref.fir_response(dspref.windowed_fir(kind, code, lower, upper, taps))
        columns.append(np.abs(h))
        columns.append(np.angle(h))
    header = ["bin"]
    for i in range(len(designs)):
        header += [f"mag{i}", f"arg{i}"]
    write(name, header, [(k, *(c[k] for c in columns)) for k in SAMPLED])


def fir_taps_fixture():
    rng = np.random.default_rng(71)
    taps = rng.normal(0.0, 0.3, 64).astype(np.float32)
    taps[17] = np.float32(1.5)
    write("fir_taps.csv", ["tap"], ((float(t),) for t in taps))
    grid = dspref.grid_frequencies()
    bins = np.arange(2049) * (dspref.FS / 4096)
    columns = []
    for remove in (False, True):
        padded = np.zeros(4096)
        padded[:64] = taps.astype(float)
        if remove:
            padded = np.roll(padded, -17)
        x = np.fft.fft(padded)[:2049]
        magnitude = 20.0 * np.log10(np.abs(x))
        with np.errstate(divide="ignore", invalid="ignore"):
            phase = np.arctan(x.imag / x.real) * 18.0 / math.pi
        phase = np.where(x.real < 0, phase + np.where(x.imag >= 0, 18.0, -18.0), phase)
        columns.append(np.interp(grid, bins, magnitude))
        columns.append(np.interp(grid, bins, phase))
    write("fir_taps_curves.csv", ["bin", "mag", "phase", "mag_removed", "phase_removed"],
          [(k, *(c[k] for c in columns)) for k in SAMPLED])


def main():
    os.makedirs(OUT, exist_ok=True)
    fft_fixture()
    roll_fixture()
    interp_fixture()
    biquad_fixtures()
    savgol_fixture()
    fir_fixture()
    fir_fixture("fir_windows.csv", FIR_WINDOW_DESIGNS)
    more_biquad_fixtures()
    fir_taps_fixture()


if __name__ == "__main__":
    main()
