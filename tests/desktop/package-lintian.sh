#!/usr/bin/env bash
# Builds the Debian package from a finished build and holds it against lintian with every tag
# shown. Errors and warnings fail, and so do the informational tags that catch an unstripped
# or unhardened program.
# Usage: package-lintian.sh <cpack> <build directory>
set -euo pipefail
cpack=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
package=$(find "$work" -maxdepth 1 -name '*.deb')
echo "lintian on $(basename "$package"):"
lintian --info --display-info --display-experimental --pedantic \
    --fail-on error,warning,info "$package"
echo "lintian found nothing to fail on"
