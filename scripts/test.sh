#!/usr/bin/env bash
# Builds everything and runs every test: first the ordinary build, then the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test

for preset in default sanitize; do
    echo "== $preset build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
