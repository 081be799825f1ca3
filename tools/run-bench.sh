#!/usr/bin/env bash
# Runs every benchmark program and prints its table.
set -euo pipefail
build=${1:-build}
found=0
for b in "$build"/benchmarks/bench_*; do
    [ -x "$b" ] || continue
    found=1
    QT_QPA_PLATFORM=offscreen "$b"
done
[ $found -eq 1 ] || echo "No benchmarks built."
