#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tutors and starts one of them: ./tools/run.sh [numeria|fractio]
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-numeria}"
case "$program" in
    numeria | fractio) ;;
    *) echo "usage: $0 [numeria|fractio]" >&2; exit 2 ;;
esac

./tools/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target "$program" -j "$(nproc)"
exec "./build/$program/$program"
