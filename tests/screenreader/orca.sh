#!/usr/bin/env bash
# Hears the real program through Orca itself, as a blind learner would: a virtual display
# with openbox, a D-Bus session of its own (which starts the accessibility bus), Orca with
# its debug log, and speech-dispatcher sending espeak-ng into libao's null driver, since
# on a machine without sound its default output never finishes an utterance.
# Usage: orca.sh <kestrilon executable> <language: en, de, fr or es> <translations folder>
#        <the cams' words, as the build writes them> [simulation|workshop]
set -euo pipefail
program=$(realpath "$1")
language=$2
translations=$(realpath "$3")
camWords=$(realpath "$4")
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
# KESTRILON_ORCA_LOG=FILE keeps Orca's debug log of the run there.
keep() { [[ -z "${KESTRILON_ORCA_LOG:-}" ]] || cp "$work/orca.log" "$KESTRILON_ORCA_LOG"; }
trap 'keep; rm -rf "$work"' EXIT
if [[ -n "${ASAN_OPTIONS:-}" ]]; then
    export ASAN_OPTIONS=$ASAN_OPTIONS:strict_string_checks=0
fi
# A home of the run's own: Orca's settings, speech-dispatcher's configuration and
# libao's driver choice are all read from there, and nothing of the user's is touched.
export HOME=$work/home
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
cat >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'EOF'
AudioOutputMethod "libao"
DefaultModule espeak-ng
EOF
echo "default_driver=null" >"$HOME/.libao"
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- \
    /usr/bin/python3 "$here/orca.py" "$program" "$language" "$translations" "$camWords" \
    "$work" "${5:-simulation}"
