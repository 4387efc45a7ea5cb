#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing.
# Skips apt-get altogether when everything is there; uses sudo when not root;
# says plainly what is missing when it cannot install.
set -euo pipefail

missing=()
for package in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Kestrilon needs these Debian packages, which are not installed:" >&2
    echo "    ${missing[*]}" >&2
    echo "Install them as root with: apt-get install ${missing[*]}" >&2
    exit 1
fi

echo "Installing ${missing[*]} ..."
if ! "${as_root[@]}" apt-get update -qq \
    || ! DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "Could not install: ${missing[*]}. Install them by hand and try again." >&2
    exit 1
fi
