#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of both tutors in build-deb/ and prints its path on the last line:
# ./tools/make-deb.sh, then `sudo apt install ./build-deb/numeria-tutors_*.deb`.
# With Debian's build flags, hardened (stack protector, fortified calls, read-only relocations
# bound at start); the same commit packs to the same bytes. TUTORS_WEB_ADDRESS, when set, is
# where the tutors are published; DEBFULLNAME and DEBEMAIL name the packager.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/setup-debian.sh
# Every date in the package is that of the last commit: file times, the compiled-in resources.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || stat -c %Y NEWS)
export SOURCE_DATE_EPOCH
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# ccache would write the source paths relative to its base folder, and the programs would then
# differ from those of a checkout elsewhere; Debian's flags map the paths themselves.
unset CCACHE_BASEDIR
eval "$(dpkg-buildflags --export=sh)"
# The build type adds nothing to Debian's flags; CMake reads no CPPFLAGS, so they join the rest.
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
    -DCMAKE_STRIP="$(pwd)/packaging/strip.sh" -DTUTORS_WEB_ADDRESS="${TUTORS_WEB_ADDRESS:-}" -UTUTORS_MAINTAINER \
    >/dev/null
cmake --build build-deb -j "$(nproc)" --target numeria fractio documents
rm -f build-deb/*.deb
(cd build-deb && cpack -G DEB >/dev/null)
deb=$(ls build-deb/*.deb)
echo "$(pwd)/$deb"
