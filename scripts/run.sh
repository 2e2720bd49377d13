#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh build
cmake --preset default
cmake --build --preset default --target Varnholt
exec build/default/src/Varnholt
