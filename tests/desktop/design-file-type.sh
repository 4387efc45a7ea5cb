#!/usr/bin/env bash
# Installs the build under a scratch prefix and asks the desktop's own tools what a design file
# is and what opens it: the type must be ours, shown with our icon, opened by the workshop.
# Usage: design-file-type.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
share=$work/prefix/share
# GNOME's way of asking (gio) reads the databases under XDG_DATA_DIRS, as a file manager does.
export XDG_CURRENT_DESKTOP=GNOME XDG_DATA_DIRS=$share:/usr/share
export XDG_DATA_HOME=$work/home XDG_CONFIG_HOME=$work/config
update-mime-database "$share/mime"
update-desktop-database "$share/applications"
# A design's first bytes are JSON: the name alone must make it ours, not the content.
printf '{"format": "kestrilon-cam"}\n' >"$work/toy.kcam"

type=$(xdg-mime query filetype "$work/toy.kcam")
[[ $type == application/x-kestrilon-cam ]] || fail "a .kcam file is $type"
default=$(xdg-mime query default application/x-kestrilon-cam)
[[ $default == org.kestrilon.Kestrilon.Workshop.desktop ]] || fail "designs open with '$default'"
icon=$(gio info -a standard::icon "$work/toy.kcam" | sed -n 's/^ *standard::icon: //p')
[[ $icon == application-x-kestrilon-cam,* ]] || fail "a design's icons are '$icon'"
for size in 16 48 256; do
    [[ -f $share/icons/hicolor/${size}x$size/mimetypes/application-x-kestrilon-cam.png ]] \
        || fail "no ${size}px icon for designs"
done
echo "a .kcam file is $type, opened by $default"
