#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays whole matches of every kind, then a stretch of random play, through the real game classes
# on the offscreen platform under valgrind's memcheck. Fails on any memory error and on any block
# definitely lost; reports in system libraries that are no fault of the game are suppressed by
# tests/valgrind.supp.
#
# Usage: tools/memcheck.sh BUILD_DIR   (a build without the sanitizers)
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"

cd "$build/tests"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$scratch" XDG_DATA_HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime" \
HITBLOW_SEED="${HITBLOW_SEED:-1}" HITBLOW_SOAK_STEPS="${HITBLOW_SOAK_STEPS:-3000}" \
valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=30 \
    --suppressions="$source_dir/tests/valgrind.supp" \
    ./tst_randomplay wholeMatch randomPlay
