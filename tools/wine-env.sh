# Sourced by the Wine wrappers. hexaplane_wine_env <build dir> prepares the project's
# own 32-bit Wine prefix, a display and one persistent wineserver, and exports the
# environment every Wine process of the run uses.
#
# The wineserver is started with its output sent to /dev/null: Wine's daemons inherit
# the output of whoever starts them, and ctest would otherwise wait for that pipe
# after every test. The lock is taken with -o so the daemons do not inherit it.

hexaplane_wine_env() {
  local build_dir
  build_dir=$(cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  # A build of 32-bit binaries runs in a 32-bit prefix; a 64-bit test build in a 64-bit one.
  if [ "$(cat "$build_dir/hexaplane-arch" 2>/dev/null || echo i686)" = x86_64 ]; then
    export WINEARCH=win64
    export HEXAPLANE_WINE=/usr/lib/wine/wine64
  else
    export WINEARCH=win32
    export HEXAPLANE_WINE=wine
  fi
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko installer prompts in a fresh prefix.
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  local state="$build_dir/wine-state"
  mkdir -p "$state"

  exec 9>"$state/lock"
  flock -o 9

  if [ -z "${DISPLAY:-}" ]; then
    local n=""
    if [ -f "$state/display" ]; then
      n=$(cat "$state/display")
      [ -S "/tmp/.X11-unix/X$n" ] || n=""
    fi
    if [ -z "$n" ]; then
      for candidate in $(seq 90 199); do
        if [ ! -e "/tmp/.X$candidate-lock" ] && [ ! -S "/tmp/.X11-unix/X$candidate" ]; then
          n=$candidate
          break
        fi
      done
      [ -n "$n" ] || { echo "wine-env: no free X display number" >&2; return 1; }
      setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
      echo $! >"$state/xvfb.pid"
      for _ in $(seq 1 100); do
        [ -S "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
      done
      echo "$n" >"$state/display"
    fi
    export DISPLAY=":$n"
  fi

  if ! hexaplane_wineserver_alive; then
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$HEXAPLANE_WINE" wineboot -i </dev/null >/dev/null 2>&1 || true
    fi
    wineserver -p </dev/null >/dev/null 2>&1 || true
    "$HEXAPLANE_WINE" cmd /c exit 0 </dev/null >/dev/null 2>&1 || true
  fi
  # Every window of the prefix lives in one virtual desktop with a taskbar: tray icons are
  # visible and clickable there, and closing a window does not wait for a window manager
  # (without one, Wine waits up to 2 s for each top-level window to be withdrawn).
  if [ ! -f "$state/shell-desktop" ]; then
    "$HEXAPLANE_WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f </dev/null >/dev/null 2>&1 &&
      "$HEXAPLANE_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f \
        </dev/null >/dev/null 2>&1 &&
      touch "$state/shell-desktop"
  fi

  flock -u 9
  exec 9>&-
}

# True when a wineserver serves $WINEPREFIX: the server works in a folder named after
# the prefix's device and inode.
hexaplane_wineserver_alive() {
  [ -d "$WINEPREFIX" ] || return 1
  local name pid
  name="server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
  for pid in $(pgrep -u "$(id -u)" wineserver); do
    case "$(readlink "/proc/$pid/cwd" 2>/dev/null)" in */"$name") return 0 ;; esac
  done
  return 1
}

hexaplane_wine_env_stop() {
  local build_dir
  build_dir=$(cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  local state="$build_dir/wine-state"
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}
