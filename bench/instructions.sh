#!/bin/sh
# Instructions per run of named workloads: callgrind counts only the measured runs of
# qd-workload (after its warm-up), and the total is divided by N.
#   bench/instructions.sh BUILD_DIR [N] WORKLOAD...
set -eu
build=$1
shift
n=20
case ${1:-} in [0-9]*) n=$1; shift ;; esac
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for name in "$@"; do
    total=$(valgrind --tool=callgrind --collect-atstart=no --toggle-collect='*run_measured*' \
        --callgrind-out-file="$tmp/out" "$build/bin/qd-workload" "$name" "$n" 2>&1 |
        sed -n 's/.*Collected : *//p' | tr -d ,)
    echo "$name $((total / n))"
done
