#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build (make fuzz) for FUZZ_TIME seconds (default 180) on a
# copy of its seed corpus with its dictionary, then prints per target the runs, the coverage
# libFuzzer reached (cov: edges, ft: features) and the findings it wrote (crash-, leak-,
# timeout-, oom- files). Exits non-zero when a target found something.
set -uo pipefail

build="${1:-build-fuzz}"
time="${FUZZ_TIME:-180}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "$build" && pwd)"
targets=(vtxml frequencylisttext frequencystore frequencypaste)

status=0
report=()
for target in "${targets[@]}"; do
    program="$build/fuzz/fuzz_$target"
    work="$build/fuzz-runs/$target"
    if [ ! -x "$program" ]; then
        echo "run-fuzz: $program is missing; build the target fuzz_all first." >&2
        exit 2
    fi
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/findings"
    cp "$root/fuzz/corpus/$target/"* "$work/corpus/"
    echo "== fuzz_$target for ${time} s"
    # Each input must finish well under a second and in bounded memory.
    LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp" QT_QPA_PLATFORM=offscreen \
        "$program" -dict="$root/fuzz/$target.dict" -max_total_time="$time" -timeout=1 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/findings/" \
        "$work/corpus" >"$work/log" 2>&1
    rc=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    coverage=$(grep -E '^#[0-9]+' "$work/log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+')
    findings=$(find "$work/findings" -maxdepth 1 -type f \
        \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | sort)
    count=$(printf '%s' "$findings" | grep -c . || true)
    report+=("$(printf '%-24s runs %-9s %-20s findings %s' "fuzz_$target" "${runs:-?}" "${coverage:-cov: ?}" "$count")")
    if [ "$count" -gt 0 ] || [ "$rc" -ne 0 ]; then
        status=1
        echo "fuzz_$target: exit code $rc; log $work/log"
        grep -E '^==[0-9]+==ERROR|^SUMMARY|^fuzz_[a-z]+: ' "$work/log" | head -n 5
        printf '%s\n' "$findings"
    fi
done

echo
echo "Fuzzing, ${time} s per target:"
printf '%s\n' "${report[@]}"
exit $status
