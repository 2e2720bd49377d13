#!/usr/bin/env bash
# Installs with apt-get whatever Debian packages the given purpose needs and
# the machine lacks. Purposes: build (the program), test (every test), bench
# (the benchmarks and scripts/startup-timing.sh), screenshots (docs/).
set -euo pipefail

build=(cmake ninja-build g++ qt6-base-dev libgl-dev fonts-wine)
test=("${build[@]}" libgtest-dev libgmock-dev mariadb-server mariadb-client libmariadb-dev
      binutils-mingw-w64-x86-64 desktop-file-utils appstream clang-format)
bench=("${build[@]}" libbenchmark-dev libx11-dev xvfb)
screenshots=("${build[@]}" xvfb xdotool imagemagick x11-utils)

case "${1:-}" in
    build) wanted=("${build[@]}") ;;
    test) wanted=("${test[@]}") ;;
    bench) wanted=("${bench[@]}") ;;
    screenshots) wanted=("${screenshots[@]}") ;;
    *) echo "usage: $0 build|test|bench|screenshots" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
