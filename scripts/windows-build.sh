# Sourced by the scripts after wine-session.sh: the Windows builds, build/win32 (the shipped programs)
# and build/win64 (the same sources for hosts that run no 32-bit code). Run from the top of the tree.

# Usage: build_windows 32|64 [TARGET...]. Configures build/win32 or build/win64 and builds the targets
# given, or everything.
build_windows() {
  local bits=$1 toolchain=mingw-i686
  shift
  [ "$bits" = 64 ] && toolchain=mingw-x86_64
  cmake -S . -B "build/win$bits" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  if [ $# -gt 0 ]; then
    cmake --build "build/win$bits" --target "$@"
  else
    cmake --build "build/win$bits"
  fi
}

# Builds build/win32 (the shipped programs) and, on a host that runs no 32-bit code, build/win64 too.
# Sets PENMAR_BITS to the build whose programs run here (choose_windows_bits, wine-session.sh).
build_windows_for_this_host() {
  echo "== 32-bit Windows build (the shipped programs)"
  build_windows 32
  choose_windows_bits
  if [ "$PENMAR_BITS" = 64 ]; then
    echo "== This host runs no 32-bit code: the 64-bit build of the same sources runs here"
    build_windows 64
  fi
}
