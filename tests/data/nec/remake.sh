#!/usr/bin/env bash
# Remakes the stored nec2c reports from their decks with the installed engine.
# twoband.nec and noswr2.nec were written by the deck builder (five points a
# band, no copper loss); the pattern decks ask for the cuts a verification
# asks for, on an 11-segment dipole; the others are hand-made faults. nec2c
# exits non-zero on the faulty ones, which is what they are for; what it
# writes on its error output is kept beside the report (.err) where there is
# any. The heading of the geometry table is renamed; the readers pass over it.
# pattern-truncated.out is pattern-ground.out cut short in its pattern block.
set -u
cd "$(dirname "$0")"
for deck in *.nec; do
  nec2c -i "$deck" -o "${deck%.nec}.out" >/dev/null 2>"${deck%.nec}.err" || true
  [ -s "${deck%.nec}.err" ] || rm -f "${deck%.nec}.err"
  sed -i 's/STRUCTURE SPECIF[A-Z]*/STRUCTURE GEOMETRY/' "${deck%.nec}.out"
done
head -n 200 pattern-ground.out >pattern-truncated.out
