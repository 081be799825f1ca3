#!/usr/bin/env bash
# Runs the studio application on its built-in sample data. Without a display it renders
# the window offscreen into a picture and says where it is.
set -euo pipefail
build=${1:-build}
app="$build/apps/dravinel-studio/dravinel-studio"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$app" "${@:2}"
fi
shot="$build/dravinel-studio.png"
QT_QPA_PLATFORM=offscreen "$app" --screenshot "$shot" "${@:2}"
echo "No display: the studio window was rendered to $(realpath "$shot")"
