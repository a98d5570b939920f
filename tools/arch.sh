# Sourced by the build scripts. Chooses the Windows architecture the build runs under
# Wine: i686 (the shipped one) when this machine can execute 32-bit code, else x86_64
# (some sandboxed kernels refuse 32-bit programs, and then only a 64-bit Wine prefix
# works). HEXAPLANE_ARCH=i686|x86_64 overrides the choice.

hexaplane_machine_runs_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

hexaplane_arch() {
  if [ -n "${HEXAPLANE_ARCH:-}" ]; then
    echo "$HEXAPLANE_ARCH"
  elif hexaplane_machine_runs_32bit; then
    echo i686
  else
    echo x86_64
  fi
}

# hexaplane_configure <source dir> <build dir> <arch>
hexaplane_configure() {
  if [ -f "$2/CMakeCache.txt" ] && [ "$(cat "$2/hexaplane-arch" 2>/dev/null)" != "$3" ]; then
    # A toolchain cannot change inside an existing build tree.
    rm -rf "$2/CMakeCache.txt" "$2/CMakeFiles"
  fi
  cmake -S "$1" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$1/cmake/mingw-$3.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
  echo "$3" >"$2/hexaplane-arch"
}
