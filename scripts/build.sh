#!/usr/bin/env bash
# Installs what the build needs, then configures and builds with a preset.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/deps.sh "${build_packages[@]}" "$@"
cmake --preset default >/dev/null
cmake --build --preset default
