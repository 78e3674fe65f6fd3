"""The eight wave sounds, synthesised: four cheerful fill starts, two short seamless loops,
the clear whoosh and a soft swatch pick. Mono 16-bit PCM at 22,050 Hz.

They are pitched low and mellow and kept as loud as the background music (about -22 dBFS
RMS as FluidSynth renders it), so a fill chimes along with the song rather than over it:
the one-shot sounds peak between -11 and -15 dBFS and the two loops, which can run for
seconds, are soft steady tones about 7 dB under the music."""
import numpy as np
from scipy import signal

from .draw import noise

RATE = 22050
# sound number -> (length in ms, peak in dBFS)
SOUNDS = {1: (447, -12.0), 2: (449, -14.0), 3: (454, -12.0), 4: (451, -14.5),
          5: (50, -26.0), 6: (49, -23.0), 7: (409, -11.0), 8: (105, -14.0)}
LOOPS = (5, 6)


def sample_count(ms):
    return (ms * RATE + 500) // 1000


def _t(n):
    return np.arange(n) / RATE


def _mallet(n, start, freq, decay, partials, attack=0.003):
    """A marimba-like note starting at `start` seconds."""
    out = np.zeros(n)
    s = int(start * RATE)
    t = _t(n - s)
    env = np.exp(-t / decay) * np.minimum(t / attack, 1)
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
    """Sound 1: a rising four-note marimba arpeggio, soft mallets."""
    notes = (392.0, 493.88, 587.33, 783.99)
    soft = ((1, 1.0), (4.0, 0.08))
    x = sum(_mallet(n, 0.075 * i, f, 0.10 if i < 3 else 0.18, soft, attack=0.006) for i, f in enumerate(notes))
    return _fade(x)


def fill_bubble(n):
    """Sound 2: a round upward 'bloop' with a little drop of water at the end."""
    t = _t(n)
    phase = _glide(n, 220, 520)
    env = np.minimum(t / 0.03, 1) * np.exp(-t / 0.22)
    x = np.sin(phase) * env + 0.12 * np.sin(2 * phase) * env
    x += 0.5 * _mallet(n, 0.30, 784.0, 0.05, ((1, 1.0),), attack=0.004)
    return _fade(x)


def fill_twinkle(n):
    """Sound 3: a twinkling run down a pentatonic scale, soft bells."""
    notes = (1046.5, 880.0, 783.99, 659.25, 587.33, 523.25)
    bell = ((1, 1.0), (2.76, 0.12))
    x = sum(_mallet(n, 0.055 * i, f, 0.08 if i < 5 else 0.16, bell, attack=0.005) for i, f in enumerate(notes))
    return _fade(x)


def fill_slide(n):
    """Sound 4: a gentle slide whistle going up."""
    t = _t(n)
    phase = _glide(n, 330, 660, 5.0, 0.012)
    env = np.minimum(t / 0.04, 1) * np.clip((t[-1] - t) / 0.15, 0, 1) * np.exp(-t / 0.3)
    x = (np.sin(phase) + 0.06 * np.sin(3 * phase)) * env
    return _fade(x)


def _steady_loop(n, partials):
    """A steady tone that repeats seamlessly every n samples: each partial (whole cycles in the
    loop, amplitude) runs with no envelope, so nothing flutters at the loop's own rate, and
    the half-sample phase puts the loop point at a zero crossing."""
    k = np.arange(n) + 0.5
    return sum(a * np.sin(2 * np.pi * cycles * k / n) for cycles, a in partials)


def fill_loop(n):
    """Sound 5: a soft low 'ooh' near 220 Hz (11 cycles in the 50 ms loop) with two quiet
    overtones, like a wooden flute held under the music."""
    return _steady_loop(n, ((11, 1.0), (22, 0.25), (33, 0.06)))


def clear_loop(n):
    """Sound 6: a soft major chord near 330, 410 and 490 Hz (16, 20 and 24 cycles in the
    49 ms loop), the calm hum of the page being washed."""
    return _steady_loop(n, ((16, 1.0), (20, 0.55), (24, 0.7)))


def clear_whoosh(n):
    """Sound 7: a soft whoosh that sweeps up and settles, like a wave washing the page clean."""
    t = _t(n)
    white = noise(7007, (n,)) * 2 - 1
    bands = (200, 350, 600, 900, 1300)
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
    phase = _glide(n, 660, 520)
    env = np.minimum(t / 0.006, 1) * np.exp(-t / 0.03)
    return _fade((np.sin(phase) + 0.08 * np.sin(2 * phase)) * env, 2, 15)


MAKERS = {1: fill_arpeggio, 2: fill_bubble, 3: fill_twinkle, 4: fill_slide,
          5: fill_loop, 6: clear_loop, 7: clear_whoosh, 8: swatch_pick}


def render(number):
    """The int16 samples of sound `number`."""
    ms, peak_db = SOUNDS[number]
    x = MAKERS[number](sample_count(ms))
    x = x / np.max(np.abs(x)) * 10 ** (peak_db / 20)
    return np.round(x * 32767).astype(np.int16)
