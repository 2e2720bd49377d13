#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh build
cmake --preset app
cmake --build --preset app --target Varnholt
exec build/app/src/Varnholt
