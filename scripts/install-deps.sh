#!/usr/bin/env bash
# Installs the Debian packages a command needs, where they are missing.
# Usage: install-deps.sh run|test|release|bench
set -euo pipefail

mingw32=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev)
mingw64=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev)
build=(cmake ninja-build g++ "${mingw32[@]}" "${mingw64[@]}")
# fonts-wine: the fonts Wine draws its own window parts with (the caption buttons are glyphs of its
# symbol font, shown as letters without it).
wine=(wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick)
# GoogleTest, the PDF printer of the printing tests with a stand-in for Times New Roman, the installer
# test's NSIS, and clang with its sanitizer and fuzzer run-times.
tests=(
  libgtest-dev googletest
  cups printer-driver-cups-pdf libcups2 libcups2:i386 poppler-utils fonts-liberation
  nsis zip
  clang libclang-rt-14-dev
)
release=(cmake ninja-build "${mingw32[@]}" nsis zip unzip)
# The benchmarks' peers, the sources of the default lists and British English text for false flags.
bench=(wamerican scowl codespell hunspell hunspell-en-us aspell aspell-en python3 bzip2-doc)

case "${1:-}" in
  run) packages=("${build[@]}" "${wine[@]}") ;;
  test) packages=("${build[@]}" "${wine[@]}" "${tests[@]}") ;;
  release) packages=("${release[@]}") ;;
  bench) packages=("${build[@]}" "${wine[@]}" "${tests[@]}" "${bench[@]}") ;;
  *) echo "usage: install-deps.sh run|test|release|bench" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
