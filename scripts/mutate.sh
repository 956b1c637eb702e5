#!/usr/bin/env bash
# Measures the power of the tests: builds the Qt-free part in build-mut and,
# for each mutant of scripts/mutants.txt, changes one snippet of src/,
# rebuilds, runs every Qt-free test and puts the file back. Prints killed,
# survived, invalid, the score and the survivors. Not part of CI: a full run
# takes about a quarter of an hour on two cores. Options go to
# scripts/mutate.py (--list, --only 3,10-20, --file PATH, --sample N,
# --report FILE; --help for all).
set -euo pipefail
cd "$(dirname "$0")/.."
case " $* " in
  *" --list "* | *" --help "* | *" -h "*) exec /usr/bin/python3 scripts/mutate.py "$@" ;;
esac
scripts/setup.sh
# Whatever ends the driver, no mutated source stays behind.
trap '/usr/bin/python3 scripts/mutate.py "$@" --restore' EXIT
/usr/bin/python3 scripts/mutate.py "$@"
