"""The eight wave sounds, synthesised: four cheerful fill starts, two short seamless loops,
the clear whoosh and a soft swatch pick. Mono 16-bit PCM at 22,050 Hz."""
import numpy as np
from scipy import signal

from .draw import noise

RATE = 22050
# sound number -> (length in ms, peak in dBFS)
SOUNDS = {1: (447, -3.0), 2: (449, -3.0), 3: (454, -3.0), 4: (451, -5.0),
          5: (50, -9.0), 6: (49, -9.0), 7: (409, -4.0), 8: (105, -8.0)}
LOOPS = (5, 6)


def sample_count(ms):
    return (ms * RATE + 500) // 1000


def _t(n):
    return np.arange(n) / RATE


def _mallet(n, start, freq, decay, partials=((1, 1.0), (4.0, 0.25), (9.2, 0.06))):
    """A marimba-like note starting at `start` seconds."""
    out = np.zeros(n)
    s = int(start * RATE)
    t = _t(n - s)
    env = np.exp(-t / decay) * np.minimum(t / 0.003, 1)
    for k, a in partials:
        out[s:] += a * np.sin(2 * np.pi * freq * k * t) * env ** (1 + 0.6 * (k > 1))
    return out


def _fade(x, start_ms=3, end_ms=25):
    a, b = int(start_ms * RATE / 1000), int(end_ms * RATE / 1000)
    x = x.copy()
    x[:a] *= np.linspace(0, 1, a, endpoint=False)
    x[-b:] *= 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, b))
    return x


def _glide(n, f0, f1, vibrato_hz=0.0, vibrato_depth=0.0):
    t = _t(n)
    f = f0 * (f1 / f0) ** (t / t[-1])
    f = f * (1 + vibrato_depth * np.sin(2 * np.pi * vibrato_hz * t))
    return np.cumsum(2 * np.pi * f / RATE)


def fill_arpeggio(n):
    """Sound 1: a rising four-note marimba arpeggio."""
    notes = (523.25, 659.25, 783.99, 1046.5)
    x = sum(_mallet(n, 0.075 * i, f, 0.09 if i < 3 else 0.16) for i, f in enumerate(notes))
    return _fade(x)


def fill_bubble(n):
    """Sound 2: a bubbly upward 'bloop' with a little pop at the end."""
    t = _t(n)
    phase = _glide(n, 260, 1150)
    env = np.minimum(t / 0.02, 1) * np.exp(-t / 0.28)
    wobble = 0.75 + 0.25 * np.sin(2 * np.pi * 16 * t)
    x = np.sin(phase) * env * wobble + 0.25 * np.sin(2 * phase) * env
    x += 0.6 * _mallet(n, 0.33, 1568.0, 0.04, ((1, 1.0),))
    return _fade(x)


def fill_twinkle(n):
    """Sound 3: a twinkling run down a pentatonic scale, bell-like."""
    notes = (1567.98, 1318.51, 1174.66, 1046.5, 880.0, 783.99)
    bell = ((1, 1.0), (2.76, 0.3), (5.4, 0.08))
    x = sum(_mallet(n, 0.055 * i, f, 0.07 if i < 5 else 0.14, bell) for i, f in enumerate(notes))
    return _fade(x)


def fill_slide(n):
    """Sound 4: a happy slide whistle going up."""
    t = _t(n)
    phase = _glide(n, 440, 1320, 7.0, 0.018)
    env = np.minimum(t / 0.03, 1) * np.clip((t[-1] - t) / 0.12, 0, 1) * np.exp(-t / 0.25)
    x = (np.sin(phase) + 0.18 * np.sin(3 * phase)) * env
    return _fade(x)


def fill_loop(n):
    """Sound 5: one pulse of a soft bubbling hum; every partial has a whole number of cycles
    in the loop and the pulse envelope is zero at both ends, so the loop is seamless."""
    k = np.arange(n)
    x = (np.sin(2 * np.pi * 30 * k / n) + 0.45 * np.sin(2 * np.pi * 45 * k / n)
         + 0.2 * np.sin(2 * np.pi * 60 * k / n))
    return x * np.sin(np.pi * k / n) ** 2


def clear_loop(n):
    """Sound 6: one puff of a soft rushing noise. The noise is built circularly from whole
    cycles (random phases in the 600..4000 Hz band) and the puff envelope is zero at the ends."""
    spectrum = np.zeros(n // 2 + 1, dtype=complex)
    freqs = np.fft.rfftfreq(n, 1 / RATE)
    band = (freqs > 600) & (freqs < 4000)
    phases = 2 * np.pi * noise(6006, (n // 2 + 1,))
    spectrum[band] = np.exp(1j * phases[band]) / np.sqrt(freqs[band] / 600)
    x = np.fft.irfft(spectrum, n)
    k = np.arange(n)
    return x * np.sin(np.pi * k / n) ** 2


def clear_whoosh(n):
    """Sound 7: a whoosh that sweeps up and settles, like a wave washing the page clean."""
    t = _t(n)
    white = noise(7007, (n,)) * 2 - 1
    bands = (250, 500, 1000, 1800, 3000)
    # the sweep: centre band position over time, up to the top and back down a little
    pos = np.interp(t / t[-1], [0, 0.55, 1], [0, len(bands) - 1, 1.8])
    x = np.zeros(n)
    for i, fc in enumerate(bands):
        b, a = signal.butter(2, [fc / 1.5 / (RATE / 2), min(fc * 1.5 / (RATE / 2), 0.95)], btype="band")
        gain = np.exp(-((pos - i) ** 2) / 0.5)
        x += signal.lfilter(b, a, white) * gain
    env = np.minimum(t / 0.15, 1) ** 1.5 * np.clip((t[-1] - t) / 0.22, 0, 1) ** 1.2
    return _fade(x * env, 3, 10)


def swatch_pick(n):
    """Sound 8: a soft rounded 'pip' when a colour is picked."""
    t = _t(n)
    phase = _glide(n, 990, 700)
    env = np.minimum(t / 0.004, 1) * np.exp(-t / 0.03)
    return _fade((np.sin(phase) + 0.15 * np.sin(2 * phase)) * env, 2, 15)


MAKERS = {1: fill_arpeggio, 2: fill_bubble, 3: fill_twinkle, 4: fill_slide,
          5: fill_loop, 6: clear_loop, 7: clear_whoosh, 8: swatch_pick}


def render(number):
    """The int16 samples of sound `number`."""
    ms, peak_db = SOUNDS[number]
    x = MAKERS[number](sample_count(ms))
    x = x / np.max(np.abs(x)) * 10 ** (peak_db / 20)
    return np.round(x * 32767).astype(np.int16)
