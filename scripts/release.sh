#!/usr/bin/env bash
# Builds the release: the 32-bit programs in release mode, then build/release/PenmarSetup.exe and
# build/release/Penmar-VERSION-win32.zip with the same files (the programs stripped).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/install-deps.sh release
source scripts/release-files.sh
echo "== The 32-bit programs, built anew in build/release-win32"
rm -rf build/release-win32
build_release_programs "$root" "$root/build/release-win32" 32
echo "== The installer and the zip in build/release"
make_release "$root" "$root/build/release-win32" x86 "$root/build/release"
ls -l build/release
