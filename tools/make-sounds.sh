#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the game's sound effects, resources/sounds/*.wav, from synthesised tones and noise with sox.
# Every file is 16-bit PCM, 44.1 kHz, mono, well under a second and a half, faded in and out so
# that it starts and ends at silence, and normalised to its own peak level.
# Run from anywhere: tools/make-sounds.sh   (needs sox)
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/resources/sounds"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

format=(-r 44100 -b 16 -c 1 -e signed-integer)
# -R: fixed seeds, so that noise comes out the same on every run; -D: no dither noise.
sx() { sox -R -D "$@"; }

# A tone of the given length in seconds: a sine with a quieter partial an octave up, decaying
# quickly like a struck bell. tone FILE SECONDS FREQUENCY
tone() {
    sx -n "${format[@]}" "$1" synth "$2" sine "$3" synth "$2" sine mix "$(($3 * 2))" \
        gain -n -6 fade h 0.006 fade l 0 "$2" "$(echo "$2 - 0.006" | bc -l)"
}

# piko: the computer's guess. A bright blip that chirps upwards, a fifth stacked on top.
sx -n "${format[@]}" "$work/piko.wav" \
    synth 0.11 sine 1760:2490 synth 0.11 sine mix 2640:3730 \
    fade h 0.003 0.11 0.075 gain -n -3
cp "$work/piko.wav" "$out/piko.wav"

# gasa: a typed digit. A soft, dry tick of filtered noise.
sx -n "${format[@]}" "$work/gasa.wav" \
    synth 0.035 pinknoise highpass 2200 lowpass 7000 \
    fade h 0.0015 0.035 0.03 gain -n -9
cp "$work/gasa.wav" "$out/gasa.wav"

# gashu: a piece put down. A short knock of noise excites two wooden resonances that ring briefly.
sx -n "${format[@]}" "$work/knock.wav" synth 0.005 whitenoise fade t 0.0005 0.005 0.003 pad 0 0.13
sx "$work/knock.wav" "$work/body.wav" bandpass 620 10q gain -n -6
sx "$work/knock.wav" "$work/ring.wav" bandpass 1720 12q gain -n -6
sx "$work/knock.wav" "$work/snap.wav" bandpass 3400 2q lowpass 6000 gain -n -6
sx -m -v 1 "$work/body.wav" -v 0.55 "$work/ring.wav" -v 0.3 "$work/snap.wav" "$work/gashu.wav" \
    fade t 0 0.13 0.05 gain -n -2
cp "$work/gashu.wav" "$out/gashu.wav"

# hoyo: the match is lost. A comic two-note fall: a short "ho", then a sagging, wobbling "yo".
sx -n "${format[@]}" "$work/ho.wav" synth 0.17 square 494 gain -10 lowpass 1600 lowpass 2400 \
    fade h 0.01 0.17 0.04 gain -n -6
sx -n "${format[@]}" "$work/yo.wav" synth 0.5 square 370:277 gain -10 lowpass 1400 lowpass 2000 \
    tremolo 7 35 fade h 0.015 0.5 0.3 gain -n -6
sx "$work/ho.wav" "$work/yo.wav" "$work/hoyo.wav" gain -n -3
cp "$work/hoyo.wav" "$out/hoyo.wav"

# pikoon2_edited: the match is won. A rising arpeggio of bell tones, C E G C, the last one held.
tone "$work/c.wav" 0.22 1047
tone "$work/e.wav" 0.22 1319
tone "$work/g.wav" 0.22 1568
tone "$work/c2.wav" 0.6 2093
sx "$work/e.wav" "$work/e-late.wav" pad 0.08
sx "$work/g.wav" "$work/g-late.wav" pad 0.16
sx "$work/c2.wav" "$work/c2-late.wav" pad 0.24
sx -m "$work/c.wav" "$work/e-late.wav" "$work/g-late.wav" "$work/c2-late.wav" "$work/arpeggio.wav"
sx "$work/arpeggio.wav" "$work/pikoon2_edited.wav" pad 0 0.11 reverb 25 50 40 fade h 0 0.95 0.2 gain -n -1
cp "$work/pikoon2_edited.wav" "$out/pikoon2_edited.wav"

for f in "$out"/*.wav; do
    printf '%-22s %s s\n' "$(basename "$f")" "$(sox --i -D "$f")"
done
