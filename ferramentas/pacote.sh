#!/usr/bin/env bash
# Builds the Debian package of the program in build-pacote/ (Release, without the tests) and
# prints the path of the .deb. Install it with: sudo apt install ./vidalume_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./ferramentas/preparar.sh >&2
# Debian's compiler and linker flags, with every hardening option.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B build-pacote -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIDALUME_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr >&2
cmake --build build-pacote -j2 >&2
rm -f build-pacote/vidalume_*.deb
(cd build-pacote && cpack -G DEB >&2)
ls "$PWD"/build-pacote/vidalume_*.deb
