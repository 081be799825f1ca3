#!/usr/bin/env bash
# Runs every benchmark program and prints its tables. The exit status is non-zero only when a
# benchmark could not run to its end; a missed target is printed in the table ("MISSED").
set -uo pipefail
build=${1:-build}
found=0
failed=()
for b in "$build"/benchmarks/bench_*; do
    # Only the programs: the build folder also holds bench_*_autogen directories.
    [ -f "$b" ] && [ -x "$b" ] || continue
    found=1
    echo
    echo "== $(basename "$b")"
    if ! QT_QPA_PLATFORM=offscreen "$b"; then
        failed+=("$(basename "$b")")
    fi
done
if [ $found -eq 0 ]; then
    echo "No benchmarks built in $build/benchmarks." >&2
    exit 1
fi
echo
if [ ${#failed[@]} -gt 0 ]; then
    echo "Benchmarks that did not run to their end: ${failed[*]}" >&2
    exit 1
fi
echo "All benchmarks ran."
