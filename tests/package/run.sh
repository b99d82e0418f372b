#!/usr/bin/env bash
# Installs the build into a scratch prefix, builds a caller's project against the installed package
# with the same toolchain, and runs it under Wine.
set -eu
src=$1 build=$2
work=$build/package-test
rm -rf "$work"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in include/qctl.h include/afxwin.h include/acdocman.h bin/qctl.dll bin/afx.dll bin/arx.dll \
         bin/libstdc++-6.dll lib/libqctl.dll.a lib/cmake/qctl/qctlConfig.cmake; do
  [ -e "$work/prefix/$f" ] || { echo "missing from the install: $f"; exit 1; }
done
cmake -S "$src/tests/package/outside" -B "$work/outside" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$work/prefix" >/dev/null
cmake --build "$work/outside"
cp "$work"/prefix/bin/*.dll "$work/outside/"
WINEPREFIX=${WINEPREFIX:-$build/wineprefix} "$src/cmake/wine-run" "$work/outside/outside.exe"
