#!/usr/bin/python3
"""Times scipy's evaluation of the sections that bench_dsp evaluates, on the
same 4096-point grid, so the two can be compared side by side:
    tools/dspref/bench_sosfreqz.py
(Debian's python3-numpy and python3-scipy; not needed by the build or CI.)"""

import os
import sys
import timeit

import numpy as np
from scipy import signal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import dspref  # noqa: E402

W = dspref.grid_omegas()


def sos_of(sections):
    rows = []
    for f0, gain, q in sections:
        b, a = dspref.peaking(f0, gain, q)
        rows.append(list(b) + list(a))
    return np.array(rows)


def magnitude_db(sos):
    _, h = signal.sosfreqz(sos, worN=W)
    return 20.0 * np.log10(np.abs(h))


def report(name, call, repeat=200):
    best = min(timeit.repeat(call, number=1, repeat=repeat))
    print(f"{name:<40} {best * 1e6:10.1f} us")


def main():
    one = sos_of([(1000.0, 6.0, 1.0)])
    nine = sos_of([(40.0 * 2 ** band, band - 4.0, 1.4) for band in range(9)])
    fir = dspref.windowed_fir(3, 3, 200.0, 8000.0, 1024)
    report("one peaking section (sosfreqz + dB)", lambda: magnitude_db(one))
    report("nine-band equaliser total (sosfreqz + dB)", lambda: magnitude_db(nine))
    report("designed FIR, 1024 taps (freqz + dB)",
           lambda: 20.0 * np.log10(np.abs(signal.freqz(fir, 1.0, worN=W)[1])), repeat=20)


if __name__ == "__main__":
    main()
