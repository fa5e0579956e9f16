# Sourced by scripts/release.sh and the installer test: the release's programs and files, built and made
# the same way for both, so that the test installs what the release ships.

# The DLLs a program may import: those every Windows holds in its system folder. The MinGW run-time
# DLLs (libstdc++, libgcc, libwinpthread) are not among them: the programs link those in.
windows_system_dlls=(kernel32 user32 gdi32 comdlg32 comctl32 shell32 advapi32 ole32 oleaut32 shlwapi
                     winspool.drv version msvcrt)

# Usage: mingw_tool x86|amd64 TOOL. Prints the name of the cross tool for that build.
mingw_tool() {
  if [ "$1" = amd64 ]; then echo "x86_64-w64-mingw32-$2"; else echo "i686-w64-mingw32-$2"; fi
}

# Usage: check_system_imports x86|amd64 PROGRAM... Prints each DLL a program imports that is not a
# system DLL and fails when there is one.
check_system_imports() {
  local objdump dll name allowed failed=0 program
  objdump=$(mingw_tool "$1" objdump)
  shift
  for program in "$@"; do
    while read -r dll; do
      name=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
      name=${name%.dll}
      allowed=no
      for system in "${windows_system_dlls[@]}"; do [ "$name" = "$system" ] && allowed=yes; done
      if [ $allowed = no ]; then echo "$(basename "$program") imports $dll, which Windows does not ship" >&2; failed=1; fi
    done < <("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r')
  done
  return $failed
}

# Usage: build_release_programs SOURCE_DIR BUILD_DIR 32|64. Builds Penmar.exe and lexmar.exe in release
# mode into BUILD_DIR/bin, linked as every Windows build links them (statically: they need no DLL but
# the system's).
build_release_programs() {
  local source_dir=$1 build=$2 bits=$3
  (cd "$source_dir" && source scripts/windows-build.sh &&
    configure_windows_build "$build" "$bits" -DPENMAR_TESTS=OFF && cmake --build "$build" --target Penmar lexmar)
}

# Usage: stage_release SOURCE_DIR BUILD_DIR x86|amd64 STAGE_DIR. Lays out STAGE_DIR/ZOLT as it is
# installed: the programs of BUILD_DIR/bin, stripped; the default word lists in SPELL\ and each
# variant's in SPELL\VARIANT\; the licence texts. The user's own list is left out: unpacked over an
# install it would wipe the words the user added, and both programs start without one.
stage_release() {
  local source_dir=$1 build=$2 arch=$3 zolt=$4/ZOLT variant name
  source "$source_dir/scripts/word-lists.sh"
  rm -rf "$zolt" && mkdir -p "$zolt/SPELL" "$zolt/Licenses"
  cp "$build/bin/Penmar.exe" "$build/bin/lexmar.exe" "$zolt/"
  "$(mingw_tool "$arch" strip)" "$zolt/Penmar.exe" "$zolt/lexmar.exe"
  check_system_imports "$arch" "$zolt/Penmar.exe" "$zolt/lexmar.exe" || return 1
  for name in "${word_lists[@]}"; do
    [ "$name" = "$user_word_list" ] || cp "$source_dir/data/$name" "$zolt/SPELL/"
  done
  for variant in "${list_variants[@]}"; do
    mkdir -p "$zolt/SPELL/$variant"
    for name in "${variant_word_lists[@]}"; do
      cp "$source_dir/data/${list_variant_folder[$variant]}/$name" "$zolt/SPELL/$variant/"
    done
  done
  cp "$source_dir"/data/licenses/* "$zolt/Licenses/"
}

# Usage: make_release SOURCE_DIR BUILD_DIR x86|amd64 OUT_DIR. Makes OUT_DIR/PenmarSetup.exe and
# OUT_DIR/Penmar-VERSION-ARCH.zip from the programs of BUILD_DIR/bin.
make_release() {
  local source_dir=$1 build=$2 arch=$3 out=$4 version
  version=$(bash "$source_dir/scripts/version.sh" "$build")
  rm -rf "$out" && mkdir -p "$out"
  stage_release "$source_dir" "$build" "$arch" "$out/stage" || return 1
  bash "$source_dir/scripts/make-installer.sh" "$source_dir" "$build" "$out/stage/ZOLT" "$arch" \
    "$out/PenmarSetup.exe" || return 1
  local suffix=win32
  [ "$arch" = amd64 ] && suffix=win64
  (cd "$out/stage" && zip -qr "../Penmar-$version-$suffix.zip" ZOLT) || return 1
  rm -rf "$out/stage" "$out/licence-page.txt" "$out/word-lists.nsh"
}
