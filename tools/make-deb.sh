#!/usr/bin/env bash
# Builds the Debian package of both tutors in build-deb/ and prints its path on the last line:
# ./tools/make-deb.sh, then `sudo apt install ./build-deb/numeria-tutors_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/setup-debian.sh
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-deb -j "$(nproc)" --target numeria fractio
rm -f build-deb/*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/*.deb)
echo "$(pwd)/$deb"
