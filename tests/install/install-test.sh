#!/usr/bin/env bash
# Installs the suite silently into a fresh Wine prefix and checks the result, an upgrade over a list of
# user words, and the uninstaller. Usage: install-test.sh SOURCE_DIR BUILD_DIR x86|amd64
set -uo pipefail
source_dir=$1 build=$2 arch=$3
work="$build/install-test"
rm -rf "$work" && mkdir -p "$work"

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
source "$source_dir/scripts/wine-session.sh"
source "$source_dir/scripts/word-lists.sh"
if [ "$arch" = amd64 ]; then use_wine 64; else use_wine 32; fi
wine=$PENMAR_WINE
trap 'wineserver -k >/dev/null 2>&1' EXIT

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then passed=$((passed + 1)); echo "ok: $1"; else failed=$((failed + 1)); echo "FAILED: $1"; fi
}

bash "$source_dir/scripts/make-installer.sh" "$source_dir" "$build" "$arch" "$work/PenmarSetup.exe" || exit 1
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
fi
timeout 120 "$wine" cmd /c exit >/dev/null 2>&1

zolt="$WINEPREFIX/drive_c/ZOLT"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Penmar"
probe="$build/bin/window_probe.exe"

timeout 300 "$wine" "$work/PenmarSetup.exe" /S; wineserver -w
check "programs installed" test -f "$zolt/Penmar.exe" -a -f "$zolt/lexmar.exe" -a -f "$zolt/Uninstall.exe"
for name in "${word_lists[@]}"; do
  check "$name installed" cmp -s "$zolt/SPELL/$name" "$source_dir/data/$name"
done
check "empty local list created" test -f "$zolt/SPELL/Local.txt" -a ! -s "$zolt/SPELL/Local.txt"
check "licence texts installed" bash -c "ls '$zolt/Licenses/'*.txt >/dev/null"
check "start-menu shortcuts" test -f "$menu/Penmar.lnk" -a -f "$menu/lexmar.lnk"
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

# An upgrade over an install whose local list holds the user's words keeps them.
printf 'Zoltword\r\nqwertyish\r\n' > "$zolt/SPELL/Local.txt"
cp "$zolt/SPELL/Local.txt" "$work/local-before.txt"
timeout 300 "$wine" "$work/PenmarSetup.exe" /S; wineserver -w
check "reinstall keeps Local.txt" cmp -s "$zolt/SPELL/Local.txt" "$work/local-before.txt"
check "reinstall keeps the programs" test -f "$zolt/Penmar.exe"

timeout 300 "$wine" 'C:\ZOLT\Uninstall.exe' /S; wineserver -w
check "uninstall removes the programs" test ! -e "$zolt/Penmar.exe" -a ! -e "$zolt/lexmar.exe" -a ! -e "$zolt/Uninstall.exe"
for name in "${word_lists[@]}"; do
  [ "$name" = "$user_word_list" ] || check "uninstall removes $name" test ! -e "$zolt/SPELL/$name"
done
check "uninstall removes the shortcuts" test ! -e "$menu/Penmar.lnk" -a ! -e "$menu/lexmar.lnk"
check "uninstall keeps Local.txt" cmp -s "$zolt/SPELL/Local.txt" "$work/local-before.txt"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
