#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/bootstrap.sh"
"$root/tools/build.sh" default
cd "$root"
export QT_QPA_PLATFORM=offscreen
ctest --preset default
