#!/usr/bin/env bash
# Builds Kestrilon and runs every test; no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
ctest --preset default
