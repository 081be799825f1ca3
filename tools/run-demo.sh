#!/usr/bin/env bash
# Runs the studio application on its built-in sample data, with a copy of the sample job
# open in the Job menu (so that saving it leaves the shipped one alone). Without a display
# it renders the window offscreen into a picture and says where it is.
set -euo pipefail
build=${1:-build}
app="$build/apps/dravinel-studio/dravinel-studio"
job="$build/sample-job.xml"
install -m 644 "$(dirname "$0")/../apps/dravinel-studio/samples/sample-job.xml" "$job"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$app" --job "$job" "${@:2}"
fi
shot="$build/dravinel-studio.png"
QT_QPA_PLATFORM=offscreen "$app" --job "$job" --screenshot "$shot" "${@:2}"
echo "No display: the studio window was rendered to $(realpath "$shot")"
