# Sourced by the scripts that run the programs under Wine: quiet Wine, no
# Mono/Gecko prompts, and a null sound device so ALSA stays silent.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
tw_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$tw_root/tools/alsa-null.conf"
# Where this machine cannot run 32-bit programs itself, Wine runs as 64-bit only
# (`wine` would pick its 32-bit loader whenever it is installed), with the 64-bit
# Windows build (win_arch), in 64-bit prefixes.
source "$tw_root/tools/arch-env.sh"
if [ "$(win_arch)" = x86_64 ] && [ -x /usr/lib/wine/wine64 ]; then
  case ":$PATH:" in *":$tw_root/tools/wine64:"*) ;; *) export PATH="$tw_root/tools/wine64:$PATH" ;; esac
  export WINELOADER=/usr/lib/wine/wine64 WINEARCH=win64
fi

# wine_prefix_init DIR: a ready private prefix (window manager off). The programs
# choose Wine's renderer themselves, so the prefix sets none.
wine_prefix_init() {
  local prefix=$1
  export WINEPREFIX=$prefix
  if [ ! -f "$prefix/.tintwell-ready" ]; then
    echo "wine: making a private Wine prefix in $prefix (once; about 20 s)"
    mkdir -p "$prefix"
    wineboot -i >/dev/null 2>&1
    # Without a window manager Wine waits 2 s on every window close unless unmanaged.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$prefix/.tintwell-ready"
  fi
  # A copy taken while no Wine process runs, for tests that need a second session.
  if [ ! -f "$prefix.pristine/.tintwell-ready" ]; then
    wineserver -w
    rm -rf "$prefix.pristine"
    cp -a "$prefix" "$prefix.pristine"
  fi
}

# start_xvfb WxHxD: starts a virtual display on a free number; sets DISPLAY and XVFB_PID.
start_xvfb() {
  local size=$1 fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 1 200); do
    [ -s "$fdfile" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '\n' <"$fdfile")"
  rm -f "$fdfile"
}

# start_wine_session: the wineserver and one long-lived idle Wine process for a run,
# started with their output redirected so no test inherits a pipe from them.
start_wine_session() {
  local idle=$1
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1 </dev/null
  wine "$idle" >/dev/null 2>&1 </dev/null &
  WINE_IDLE_PID=$!
}

stop_wine_session() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${WINE_IDLE_PID:-}" ] && kill "$WINE_IDLE_PID" >/dev/null 2>&1 || true
  WINE_IDLE_PID=
}

# install_test_printer BUILD: defines the tests' virtual printer in the prefix (a
# PostScript printer with the suite's own PPD, made the default) whose jobs the
# spooler writes to BUILD/printer/job.ps; done on every session, so a test that
# removed the printer cannot leave the prefix without it.
install_test_printer() {
  local build=$1 ppd
  mkdir -p "$build/printer"
  ppd="Z:$(printf '%s' "$tw_root/tests/printer/tintwell-test.ppd" | tr / '\\')"
  wine "$build/win32/printer_setup.exe" install "$ppd" "$build/printer/job.ps" </dev/null >/dev/null 2>"$build/printer/setup.log" ||
    { echo "the test printer could not be defined:" >&2; cat "$build/printer/setup.log" >&2; return 1; }
}

# start_test_desktop BUILD: an 800x600x16 virtual display and the build's Wine
# session, both ended when the calling script exits.
start_test_desktop() {
  local build=$1
  trap 'stop_wine_session; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1 || true' EXIT
  start_xvfb 800x600x16
  wine_prefix_init "$build/wineprefix"
  start_wine_session "$build/win32/wineidle.exe"
  install_test_printer "$build"
}
