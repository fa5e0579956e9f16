#!/usr/bin/env bash
# Builds and makes the release from the tested sources as scripts/release.sh does, installs it silently
# into a fresh Wine prefix and checks the result, the zip unpacked over an install, an upgrade over a
# list of user words that chooses the British lists, and the uninstaller.
# Usage: install-test.sh SOURCE_DIR BUILD_DIR x86|amd64
set -uo pipefail
source_dir=$1 build=$2 arch=$3
work="$build/install-test"
rm -rf "$work" && mkdir -p "$work"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$source_dir/scripts/wine-session.sh"
source "$source_dir/scripts/word-lists.sh"
source "$source_dir/scripts/release-files.sh"
if [ "$arch" = amd64 ]; then use_wine 64; else use_wine 32; fi
wine=$PENMAR_WINE
trap 'wineserver -k >/dev/null 2>&1' EXIT

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); echo "ok: $1"; else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

# The working folder a shortcut (.lnk) starts its program in: the string after the name and the
# relative path, each there when its flag is set, in UTF-16 when the shortcut is Unicode.
shortcut_working_folder() {
  local file=$1 flags at size
  read_number() { od -An -tu"$2" -j"$1" -N"$2" "$file" | tr -d ' '; }
  flags=$(read_number 20 4)
  at=76
  if (( flags & 1 )); then at=$((at + 2 + $(read_number "$at" 2))); fi
  if (( flags & 2 )); then at=$((at + $(read_number "$at" 4))); fi
  local width=1 encoding=latin1 flag
  (( flags & 0x80 )) && width=2 encoding=UTF-16LE
  for flag in 4 8; do
    if (( flags & flag )); then at=$((at + 2 + width * $(read_number "$at" 2))); fi
  done
  (( flags & 0x10 )) || return 1
  size=$(read_number "$at" 2)
  dd if="$file" bs=1 skip=$((at + 2)) count=$((width * size)) 2>/dev/null | iconv -f "$encoding" -t UTF-8
}

# The release as scripts/release.sh builds it, from the tested sources, in a build folder of its own.
bits=32
[ "$arch" = amd64 ] && bits=64
echo "== The release programs in $build/release-build"
build_release_programs "$source_dir" "$build/release-build" "$bits" || exit 1
make_release "$source_dir" "$build/release-build" "$arch" "$work/release" || exit 1
installer="$work/release/PenmarSetup.exe"
zip=$(ls "$work"/release/Penmar-*.zip)
# A booted prefix to start from: booting one takes some 15 s, so when the test session's own prefix is
# there, a hard-linked copy of it without its C:\ZOLT\ (Wine writes a changed file anew, leaving the
# session's prefix as it was).
session_prefix="$build/wineprefix"
if [ -f "$session_prefix/system.reg" ] && cp -al "$session_prefix" "$WINEPREFIX" 2>/dev/null; then
  rm -rf "$WINEPREFIX/drive_c/ZOLT"
else
  rm -rf "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1
  place_windows_without_manager
  report_crashes_without_dialog
fi
timeout 120 "$wine" cmd /c exit >/dev/null 2>&1

zolt="$WINEPREFIX/drive_c/ZOLT"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Penmar"
probe="$build/bin/window_probe.exe"

# Usage: lists_in_use VARIANT. The lists in C:\ZOLT\SPELL\ are the data/ lists of that variant.
lists_in_use() {
  local name folder=$source_dir/data/${list_variant_folder[$1]}
  for name in "${word_lists[@]}"; do
    [ "$name" = "$user_word_list" ] && continue
    if [[ " ${variant_word_lists[*]} " == *" $name "* ]]; then
      cmp -s "$zolt/SPELL/$name" "$folder/$name" || return 1
    else
      cmp -s "$zolt/SPELL/$name" "$source_dir/data/$name" || return 1
    fi
  done
}

timeout 300 "$wine" "$installer" /S; wineserver -w
check "programs installed" test -f "$zolt/Penmar.exe" -a -f "$zolt/lexmar.exe" -a -f "$zolt/Uninstall.exe"
check "the installed programs import only system DLLs" check_system_imports "$arch" "$zolt/Penmar.exe" "$zolt/lexmar.exe"
check "the American lists in use by default" lists_in_use American
for variant in "${list_variants[@]}"; do
  for name in "${variant_word_lists[@]}"; do
    check "$variant $name installed to switch by hand" \
      cmp -s "$zolt/SPELL/$variant/$name" "$source_dir/data/${list_variant_folder[$variant]}/$name"
  done
done
check "empty local list created" test -f "$zolt/SPELL/Local.txt" -a ! -s "$zolt/SPELL/Local.txt"
check "licence texts installed" bash -c "ls '$zolt/Licenses/'*.txt >/dev/null"
check "start-menu shortcuts" test -f "$menu/Penmar.lnk" -a -f "$menu/lexmar.lnk"
for shortcut in Penmar lexmar; do
  folder=$(shortcut_working_folder "$menu/$shortcut.lnk")
  check "the $shortcut shortcut starts in C:\ZOLT (its working folder: $folder)" test "$folder" = 'C:\ZOLT'
done
version=$(bash "$source_dir/scripts/version.sh" "$build")
registered=$("$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Penmar' /v DisplayVersion | tr -d '\r')
check "registered as version $version" grep -Eq "DisplayVersion +REG_SZ +$version\$" <<<"$registered"

"$wine" 'C:\ZOLT\Penmar.exe' & editor=$!
out=$("$wine" "$probe" myWindowClass Penmar | tr -d '\r')
check "the installed editor starts" grep -qx "title: Penmar" <<<"$out"
wait $editor

"$wine" 'C:\ZOLT\lexmar.exe' recieve & tool=$!
out=$("$wine" "$probe" '#32770' Spellmar 1001 | tr -d '\r')
echo "$out"
check "lexmar \"recieve\" shows Incorrect" grep -qx "item: Incorrect" <<<"$out"
check "lexmar \"recieve\" suggests receive" grep -qx "entry: receive" <<<"$out"
wait $tool

# The zip unpacked over an install keeps the user's words; the lookup tool works without a local list.
printf 'Zoltword\r\nqwertyish\r\n' > "$zolt/SPELL/Local.txt"
cp "$zolt/SPELL/Local.txt" "$work/local-before.txt"
cp "$zolt/Penmar.exe" "$work/installed-Penmar.exe"
(cd "$WINEPREFIX/drive_c" && unzip -qo "$zip")
check "the zip unpacked over an install keeps Local.txt" cmp -s "$zolt/SPELL/Local.txt" "$work/local-before.txt"
check "the zip holds the installed editor" cmp -s "$zolt/Penmar.exe" "$work/installed-Penmar.exe"
rm "$zolt/SPELL/Local.txt"
"$wine" 'C:\ZOLT\lexmar.exe' recieve & tool=$!
out=$("$wine" "$probe" '#32770' Spellmar 1001 | tr -d '\r')
check "lexmar without a local list suggests receive" grep -qx "entry: receive" <<<"$out"
wait $tool
cp "$work/local-before.txt" "$zolt/SPELL/Local.txt"

# An upgrade over an install whose local list holds the user's words keeps them; it may choose the
# British lists, and a later install keeps that choice.
timeout 300 "$wine" "$installer" /S /LISTS=British; wineserver -w
check "reinstall keeps Local.txt" cmp -s "$zolt/SPELL/Local.txt" "$work/local-before.txt"
check "reinstall keeps the programs" test -f "$zolt/Penmar.exe"
check "/LISTS=British puts the British lists in use" lists_in_use British
"$wine" 'C:\ZOLT\lexmar.exe' colour & tool=$!
out=$("$wine" "$probe" '#32770' Spellmar 1001 | tr -d '\r')
check "lexmar with the British lists knows \"colour\"" grep -qx "item: OK" <<<"$out"
wait $tool
timeout 300 "$wine" "$installer" /S; wineserver -w
check "a later install keeps the British lists" lists_in_use British

timeout 300 "$wine" 'C:\ZOLT\Uninstall.exe' /S; wineserver -w
check "uninstall removes the programs" test ! -e "$zolt/Penmar.exe" -a ! -e "$zolt/lexmar.exe" -a ! -e "$zolt/Uninstall.exe"
for name in "${word_lists[@]}"; do
  [ "$name" = "$user_word_list" ] || check "uninstall removes $name" test ! -e "$zolt/SPELL/$name"
done
check "uninstall removes the variants' folders" test ! -e "$zolt/SPELL/${list_variants[0]}" -a ! -e "$zolt/SPELL/${list_variants[1]}"
check "uninstall removes the shortcuts" test ! -e "$menu/Penmar.lnk" -a ! -e "$menu/lexmar.lnk"
check "uninstall keeps Local.txt" cmp -s "$zolt/SPELL/Local.txt" "$work/local-before.txt"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
