#!/usr/bin/env bash
# Builds Kestrilon and runs every test, once as built for use and once under
# AddressSanitizer and UndefinedBehaviorSanitizer; no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
scripts/build.sh "${test_packages[@]}"
ctest --preset default
echo "Again under the sanitizers:"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
