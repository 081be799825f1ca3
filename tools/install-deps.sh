#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when missing.
# With --fuzz also clang and its runtime for libFuzzer and the sanitizers (make fuzz).
set -euo pipefail

packages=(cmake ninja-build g++ make qtbase5-dev qttools5-dev-tools qttools5-dev xvfb xauth)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "Cannot install as a normal user without sudo. Please run as root:" >&2
    echo "  apt-get install ${missing[*]}" >&2
    exit 1
fi
if ! command -v apt-get >/dev/null 2>&1; then
    echo "This is no Debian system (no apt-get). Please install: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q || true
if ! "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "apt-get could not install: ${missing[*]}. Please install them by hand." >&2
    exit 1
fi
