#!/usr/bin/env bash
# Builds the Debian package of the program (a release build in
# build-package/, without tests) and checks it. The package is left in
# build-package/; its path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The compiler flags of Debian's own packages (-O2, hardening); the package
# strips the debugging information.
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DKZ_BUILD_GUI=ON -DKZ_BUILD_TESTS=OFF -DKZ_BUILD_BENCH=OFF -DKZ_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb=$(echo build-package/*.deb)
tests/package/check_deb.sh "$deb" >/dev/null
echo "$deb"
