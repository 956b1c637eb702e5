#!/usr/bin/env bash
# Sets up, builds and starts the program. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ -x build/src/gui/kervazyl ]; then
  exec build/src/gui/kervazyl "$@"
fi
# Until the desktop program is built, the command-line tool shows its help.
exec build/src/cli/kervazyl-cli "${@:---help}"
