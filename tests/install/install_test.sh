#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed programs
# offscreen against a fresh home folder.
# Usage: install_test.sh BUILD_DIR INSTALLED_CONVERTER_CHECK
set -euo pipefail
build=$1
check=$2
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

program_dir=$prefix/lib/quantora
for f in quantora tallix DEFAULT.DAT Quantora.hlp Tallix.hlp; do
  [ -f "$program_dir/$f" ] || fail "$program_dir/$f is missing"
done
for p in quantora tallix; do
  [ "$(readlink -f "$prefix/bin/$p")" = "$(readlink -f "$program_dir/$p")" ] || fail "bin/$p does not lead to the program folder"
  [ -x "$prefix/bin/$p" ] || fail "bin/$p is not executable"
done
for id in org.quantora.Quantora org.quantora.Tallix; do
  [ -f "$prefix/share/applications/$id.desktop" ] || fail "$id.desktop is missing"
  [ -f "$prefix/share/metainfo/$id.metainfo.xml" ] || fail "$id.metainfo.xml is missing"
done
for icon in quantora tallix; do
  grep -q "^Icon=$icon$" "$prefix"/share/applications/*.desktop || fail "no desktop entry uses the icon $icon"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "scalable $icon.svg is missing"
  for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -s "$png" ] || fail "$icon.png at $size px is missing"
    # Width and height stand big-endian at bytes 16 to 23 of a PNG file.
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    [ $(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4)) -eq "$size" ] && [ $(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4)) -eq "$size" ] ||
      fail "$png is not $size px square"
  done
done

# A fresh user: nothing in the home folder, a private runtime folder.
fresh_home() {
  home=$work/home-$1
  mkdir -p "$home/run"
  chmod 700 "$home/run"
  echo "$home"
}
# Becomes the program, so that a background start's $! is the program itself
# and the clean-up stops it.
exec_in() {
  local home=$1
  shift
  # Sanitizer settings of a sanitizer build pass through.
  exec env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} "$@"
}
run_in() { (exec_in "$@"); }
# Waits for a file the starting program writes; a generous limit, only so
# that a program which never gets there ends the test instead of hanging it.
wait_for() {
  local path=$1 pid=$2
  for _ in $(seq 1 600); do
    [ -s "$path" ] && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended before writing $path"
    sleep 0.1
  done
  fail "$path never appeared"
}

# The converter's own code run from the installed folder: copy and convert.
cp "$check" "$program_dir/"
home=$(fresh_home check)
run_in "$home" "$program_dir/$(basename "$check")" || fail "the converter check in the installed folder"
rm "$program_dir/$(basename "$check")"

# The installed programs themselves, started through their links.
home=$(fresh_home programs)
exec_in "$home" "$prefix/bin/quantora" >"$work/quantora.log" 2>&1 &
pids+=($!)
wait_for "$home/.local/share/quantora/DEFAULT.DAT" "${pids[-1]}"
cmp -s "$home/.local/share/quantora/DEFAULT.DAT" "$program_dir/DEFAULT.DAT" || fail "the user's table is not the bundled one"

exec_in "$home" "$prefix/bin/tallix" >"$work/tallix.log" 2>&1 &
pids+=($!)
wait_for "$home/.config/quantora-tallix/Tallix.ini" "${pids[-1]}"
grep -q '^\[Form\]' "$home/.config/quantora-tallix/Tallix.ini" || fail "tallix did not publish its window state"
for pid in "${pids[@]}"; do
  kill -0 "$pid" 2>/dev/null || fail "an installed program ended early"
done
echo "installed into $prefix; both programs started"
