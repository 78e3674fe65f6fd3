# Sourced by the scripts that build Tintwell: one way to configure and build,
# with a line saying what is happening and the build's own output kept in a log
# that is shown only when something fails.
tw_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

source "$tw_root/tools/arch-env.sh"

# build_tree KIND DIR [cmake arguments...]: configure (once) and build one tree.
# KIND is win32 (the five programs and the tests run under Wine) or native (the
# portable logic built for this machine).
build_tree() {
  local kind=$1 dir=$2
  shift 2
  local args=(-S "$tw_root" -B "$dir" -G Ninja "$@")
  if [ "$kind" = win32 ]; then
    local arch toolchain
    arch=$(win_arch)
    toolchain=$tw_root/cmake/mingw-$arch.cmake
    [ "$arch" = i686 ] || echo "build: this machine cannot run 32-bit programs: the Windows build in $dir is $arch (the release is always i686)"
    # A tree configured for the other processor is made again from scratch.
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*=$toolchain\$" "$dir/CMakeCache.txt"; then
      rm -rf "$dir"
    fi
    args+=(-DCMAKE_TOOLCHAIN_FILE="$toolchain")
  fi
  mkdir -p "$dir"
  local log=$dir/build.log
  if [ -f "$dir/build.ninja" ]; then
    echo "build: updating the $kind build in $dir"
  else
    echo "build: configuring and building the $kind build in $dir (the first time takes a few minutes)"
  fi
  if ! { cmake "${args[@]}" && cmake --build "$dir" -j"$(nproc)"; } >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "build: the $kind build failed; the whole output is in $log" >&2
    return 1
  fi
}

# build_dir: where the builds go; TW_BUILD puts them elsewhere, e.g. one per engineer.
build_dir() {
  echo "${TW_BUILD:-$tw_root/build}"
}

# enter_tree [KIND...]: the start of every build script: work from the repository root,
# install what this machine lacks (tools/setup.sh), set build to where the builds go, and
# build the trees of these kinds there ($build/KIND).
enter_tree() {
  cd "$tw_root"
  bash tools/setup.sh
  build=$(build_dir)
  local kind
  for kind in "$@"; do build_tree "$kind" "$build/$kind"; done
}
