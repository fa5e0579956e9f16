# Sourced by the scripts after wine-session.sh: the Windows builds, build/win32 (the shipped programs)
# and build/win64 (the same sources for hosts that run no 32-bit code). Run from the top of the tree.

# Usage: configure_windows_build BUILD_DIR 32|64 [CMAKE_OPTION...]. Configures a Windows build as the
# tests and the release both build it.
configure_windows_build() {
  local build=$1 bits=$2 toolchain=mingw-i686
  shift 2
  [ "$bits" = 64 ] && toolchain=mingw-x86_64
  cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

# Usage: build_windows 32|64 [TARGET...]. Configures build/win32 or build/win64 and builds the targets
# given, or everything.
build_windows() {
  local bits=$1
  shift
  configure_windows_build "build/win$bits" "$bits"
  if [ $# -gt 0 ]; then
    cmake --build "build/win$bits" --target "$@"
  else
    cmake --build "build/win$bits"
  fi
}

# Usage: build_windows_for_this_host [TARGET...]. Builds the targets given, or everything, in build/win32
# (the shipped programs) and, on a host that runs no 32-bit code, in build/win64 too. Sets PENMAR_BITS
# to the build whose programs run here (choose_windows_bits, wine-session.sh).
build_windows_for_this_host() {
  echo "== 32-bit Windows build (the shipped programs): ${*:-everything}"
  build_windows 32 "$@"
  choose_windows_bits
  if [ "$PENMAR_BITS" = 64 ]; then
    echo "== This host runs no 32-bit code: the 64-bit build of the same sources runs here"
    build_windows 64 "$@"
  fi
}
