#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises the praise and error sounds in data/suoni with sox:
#   si1.wav .. si4.wav  four short cheerful tunes, one picked at random after
#                       a right answer;
#   no.wav              a soft, low two-note "oh-oh" after a wrong answer.
# All are 16-bit PCM WAV, mono, 22050 Hz, under one second. The output is the
# same on every run (no dither, fixed notes), so the files in the repository
# can be regenerated and compared; the build itself needs no sound tools.
set -euo pipefail

out="$(cd "$(dirname "$0")/.." && pwd)/data/suoni"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=22050
fmt=(-r "$rate" -c 1 -b 16 -e signed-integer)

# Note frequencies (equal temperament, A4 = 440 Hz).
A3=220.00; D4=293.66; G4=392.00
C5=523.25; D5=587.33; E5=659.25; F5=698.46; G5=783.99; A5=880.00; B5=987.77
C6=1046.50; D6=1174.66; F6=1396.91

# note FREQ SECONDS VOLUME [WAVE...]: one tone, a sine with a triangle an
# octave up for brightness, with short fades so no note clicks.
note() {
  local f=$1 d=$2 v=$3
  local file
  file=$(mktemp -p "$work" XXXXXXXX.wav)
  local fade_out
  fade_out=$(awk -v d="$d" 'BEGIN { printf "%.3f", (d < 0.2 ? d * 0.45 : d * 0.6) }')
  sox -D -n "${fmt[@]}" "$file" \
      synth "$d" sine "$f" synth "$d" triangle mix "$(awk -v f="$f" 'BEGIN { print 2 * f }')" \
      fade q 0.008 "$d" "$fade_out" vol "$v"
  echo "$file"
}

# A soft tone with no overtone, for the error sound.
soft() {
  local f=$1 d=$2 v=$3
  local file
  file=$(mktemp -p "$work" XXXXXXXX.wav)
  sox -D -n "${fmt[@]}" "$file" synth "$d" sine "$f" fade h 0.04 "$d" 0.12 vol "$v"
  echo "$file"
}

# rest SECONDS: silence between notes.
rest() {
  local file
  file=$(mktemp -p "$work" XXXXXXXX.wav)
  sox -D -n "${fmt[@]}" "$file" trim 0 "$1"
  echo "$file"
}

# join OUT PARTS...: the parts one after the other, no metadata.
join() {
  local target=$1
  shift
  sox -D --no-glob "$@" "${fmt[@]}" --comment "" "$target"
}

# si1: a rising C major arpeggio ending high and long.
join "$out/si1.wav" \
  "$(note $C5 0.11 0.55)" "$(note $E5 0.11 0.55)" "$(note $G5 0.11 0.55)" \
  "$(note $C6 0.34 0.6)"

# si2: "ta-ta-taa": two quick G's and a leap up to the high C.
join "$out/si2.wav" \
  "$(note $G4 0.09 0.55)" "$(rest 0.03)" "$(note $G4 0.09 0.55)" "$(rest 0.03)" \
  "$(note $C5 0.12 0.55)" "$(note $E5 0.12 0.55)" "$(note $G5 0.36 0.6)"

# si3: a quick sparkle up and back in F major, landing on the top F.
join "$out/si3.wav" \
  "$(note $F5 0.075 0.5)" "$(note $A5 0.075 0.5)" "$(note $C6 0.075 0.5)" \
  "$(note $A5 0.075 0.5)" "$(note $C6 0.075 0.5)" "$(note $F6 0.36 0.55)"

# si4: a little fanfare in D: three repeated notes and a leap, then a step up.
join "$out/si4.wav" \
  "$(note $D5 0.08 0.55)" "$(rest 0.03)" "$(note $D5 0.08 0.55)" "$(rest 0.03)" \
  "$(note $D5 0.08 0.55)" "$(rest 0.03)" "$(note $A5 0.2 0.6)" \
  "$(note $B5 0.08 0.5)" "$(note $D6 0.3 0.6)"

# no: two low, quiet notes going down, gently faded: "oh-oh", not an alarm.
join "$out/no.wav" \
  "$(soft $D4 0.26 0.28)" "$(rest 0.06)" "$(soft $A3 0.42 0.25)"

for f in si1 si2 si3 si4 no; do
  printf '%s.wav  %ss\n' "$f" "$(soxi -D "$out/$f.wav")"
done
