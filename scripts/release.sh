#!/usr/bin/env bash
# Builds the release: the 32-bit programs in release mode, stripped, then build/release/PenmarSetup.exe
# and build/release/Penmar-VERSION-win32.zip with the same files.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/install-deps.sh release
source scripts/word-lists.sh
build=build/release-win32
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DPENMAR_TESTS=OFF -DCMAKE_EXE_LINKER_FLAGS=-s >/dev/null
cmake --build "$build" --target Penmar lexmar
version=$(bash scripts/version.sh "$build")

out=build/release
rm -rf "$out" && mkdir -p "$out/stage/ZOLT/Licenses"
cp "$build/bin/Penmar.exe" "$build/bin/lexmar.exe" "$out/stage/ZOLT/"
install_word_lists data "$out/stage/ZOLT/SPELL"
cp data/licenses/* "$out/stage/ZOLT/Licenses/"
bash scripts/make-installer.sh "$root" "$root/$build" x86 "$root/$out/PenmarSetup.exe"
(cd "$out/stage" && zip -qr "../Penmar-$version-win32.zip" ZOLT)
rm -rf "$out/stage" "$out/licence-page.txt" "$out/word-lists.nsh"
ls -l "$out"
