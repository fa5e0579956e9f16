# Sourced by the scripts: which Wine runs the Windows programs, and a Wine session (an X display and a
# prefix) for them.

# The shipped programs are 32-bit. Hosts whose kernel runs no 32-bit user code (the wine32 loader
# fails there with "Exec format error") run the same sources built for 64-bit Windows instead.
wine_runs_32bit() {
  /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Sets PENMAR_BITS (32 or 64) to the Windows build whose programs run on this host.
choose_windows_bits() {
  if wine_runs_32bit; then PENMAR_BITS=32; else PENMAR_BITS=64; fi
}

# Usage: use_wine 32|64. Sets PENMAR_WINE to the loader for programs of that build, and the loader and
# server that Wine's own tools (wineboot, wineserver) use with it.
use_wine() {
  if [ "$1" = 64 ]; then
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    PENMAR_WINE=/usr/lib/wine/wine64
  else
    PENMAR_WINE=wine
  fi
}

# Usage: use_wine_prefix PREFIX 32|64. Sets up Wine for the programs of that build in PREFIX and creates
# the prefix when it is missing.
use_wine_prefix() {
  export WINEPREFIX=$1
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
  use_wine "$2"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX ..."
    "$PENMAR_WINE" wineboot -i >/dev/null 2>&1 || true
    # The server that created the prefix ends a few seconds later; `wineserver -p` while it runs does
    # nothing, and every program would then start a server of its own (and may find it ending).
    wineserver -w >/dev/null 2>&1 || true
  fi
}

# Wine draws parts of its windows (the caption buttons are glyphs of its symbol font) with its own fonts,
# of the package fonts-wine; this Wine does not look for them in its data folder, so they go into the
# prefix's Fonts folder. Fonts of the same name already there stay.
add_wine_fonts() {
  local fonts=/usr/share/wine/fonts
  [ -d "$fonts" ] && [ -d "$WINEPREFIX/drive_c/windows/Fonts" ] || return 0
  cp -n "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# Usage: start_wine_session BUILD_DIR 32|64 [PREFIX]. The prefix is BUILD_DIR/wineprefix unless given.
# Starts a virtual X display, creates the prefix when missing and starts its server, which stays until
# the session ends with the calling shell.
start_wine_session() {
  local bits=$2
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  PENMAR_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  use_wine_prefix "${3:-$1/wineprefix}" "$bits"
  wineserver -p >/dev/null 2>&1 || true
  keep_desktop_open
  # A build folder's own prefix on the virtual display: no window manager there, and no one to close
  # a crash dialog.
  if [ -z "${3:-}" ]; then
    place_windows_without_manager
    report_crashes_without_dialog
  fi
  # The first program of a session starts Wine's own services and can hang at its exit: warm up first.
  if ! timeout 120 "$PENMAR_WINE" cmd /c exit >/dev/null 2>&1; then
    close_desktop
    wineserver -k >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 || true
    keep_desktop_open
    timeout 120 "$PENMAR_WINE" cmd /c exit >/dev/null 2>&1 || true
  fi
  trap stop_wine_session EXIT
}

# The Wine server closes the desktop (ends its explorer.exe) 1 s after the last program on it ends. Each
# test program would then start a desktop of its own, and its explorer.exe, which has the program's
# output as its own, would keep that output open a second longer (or for good, were the desktop kept).
# The session's first program is a console that waits for commands, started before any other so that
# Wine's services and the desktop have no output of a test: it keeps the desktop for the session.
keep_desktop_open() {
  local ready="$WINEPREFIX/drive_c/penmar-desktop-kept"
  rm -f "$ready"
  exec {PENMAR_DESKTOP_INPUT}> >("$PENMAR_WINE" cmd >/dev/null 2>&1)
  echo 'echo.>C:\penmar-desktop-kept' >&"$PENMAR_DESKTOP_INPUT" || true
  for _ in $(seq 300); do [ -e "$ready" ] && break; sleep 0.1; done
  rm -f "$ready"
}

close_desktop() {
  if [ -n "${PENMAR_DESKTOP_INPUT:-}" ]; then exec {PENMAR_DESKTOP_INPUT}>&-; fi
  PENMAR_DESKTOP_INPUT=
}

# Wine hands a shown top-level window to the window manager and, when it is hidden or destroyed, waits
# up to 2 s for the manager to confirm; on a virtual display none ever does. Windows of the session's
# prefix are placed by Wine itself instead. Not for a user's prefix: it would lose its manager's frames.
place_windows_without_manager() {
  "$PENMAR_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

# A program that crashes would start Wine's debugger, whose dialog nothing on the virtual display
# closes: the test would hang until its time limit. Without the dialog the debugger writes the
# backtrace to the program's error output and ends the program at once.
report_crashes_without_dialog() {
  "$PENMAR_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
}

# Ends every program of the session and its server, and starts a new server and desktop: a new desktop
# takes the desktop settings made since. (`wineserver -w` would wait for good: the server is persistent.)
restart_wine_session() {
  close_desktop
  wineserver -k >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1 || true
  keep_desktop_open
}

stop_wine_session() {
  close_desktop
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${PENMAR_XVFB_PID:-}" ]; then kill "$PENMAR_XVFB_PID" 2>/dev/null || true; fi
}
