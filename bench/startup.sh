#!/usr/bin/env bash
# Start-up of PLUVIK against two yardsticks: the least Qt Widgets program of
# its shape (bench/bare_window.cpp: main window, five tabs of 20 fields, a
# table), the one the target counts against, and an empty window
# (bench/empty_window.cpp), which loads no font.
#
#   bash bench/startup.sh [BUILD_DIR]      BUILD_DIR defaults to build, relative
#                                          to the repository root
#
# Runs the three programs in turn, each start on the same private Xvfb server, and
# measures per start:
#   - the time from exec to the first mapped top-level window, seen by polling
#     `xwininfo -root -children` every few milliseconds. PLUVIK's first shown
#     window is its main window; the about box comes up after it.
#   - the peak resident memory, as /usr/bin/time reports it when the program is
#     stopped with SIGTERM a short while after its window appeared.
# It prints the medians, the ratios pluvik/bare and pluvik/empty, and whether
# each ratio to the bare window of the program's shape is within the target. The target is a goal, not a test: the script exits 0 whether it
# is met or not, and non-zero only when it cannot measure (missing tools or
# binaries, no X server, a program that never shows a window).
#
# Environment: ROUNDS (7) measured starts of each program, WARMUP (1) unmeasured
# starts of each first, SETTLE_MS (300) wait after the window appeared,
# TIMEOUT_S (10) limit of every wait, TARGET (1.1) the allowed ratio.

set -u
set -o pipefail
export LC_ALL=C

ROUNDS=${ROUNDS:-7}
WARMUP=${WARMUP:-1}
SETTLE_MS=${SETTLE_MS:-300}
TIMEOUT_S=${TIMEOUT_S:-10}
TARGET=${TARGET:-1.1}
POLL_S=0.005

die() {
  echo "startup.sh: $*" >&2
  exit 1
}

for value in "$ROUNDS" "$WARMUP" "$SETTLE_MS" "$TIMEOUT_S"; do
  [[ $value =~ ^[0-9]+$ ]] || die "ROUNDS, WARMUP, SETTLE_MS and TIMEOUT_S must be whole numbers (got '$value')"
done
((ROUNDS >= 1)) || die "ROUNDS must be at least 1"
((TIMEOUT_S >= 1)) || die "TIMEOUT_S must be at least 1"
[[ $TARGET =~ ^[0-9]+(\.[0-9]+)?$ ]] || die "TARGET must be a number (got '$TARGET')"

cd "$(dirname "${BASH_SOURCE[0]}")/.." || die "cannot enter the repository root"
build_dir=${1:-build}
bare_bin="$build_dir/bench/bare_window"
empty_bin="$build_dir/bench/empty_window"
pluvik_bin="$build_dir/pluvik"
for bin in "$bare_bin" "$empty_bin" "$pluvik_bin"; do
  [[ -x $bin ]] || die "$bin is missing; build it with: cmake --build $build_dir --target pluvik bare_window empty_window (configured with -DPLUVIK_BENCH=ON)"
done

# ---- Tools ---------------------------------------------------------------
# Xvfb (xvfb), xwininfo (x11-utils), /usr/bin/time (time), pgrep (procps).
missing_packages=()
command -v Xvfb >/dev/null || missing_packages+=(xvfb)
command -v xwininfo >/dev/null || missing_packages+=(x11-utils)
[[ -x /usr/bin/time ]] || missing_packages+=(time)
command -v pgrep >/dev/null || missing_packages+=(procps)
if ((${#missing_packages[@]})); then
  if [[ $(id -u) == 0 ]] && command -v apt-get >/dev/null; then
    echo "Installing: ${missing_packages[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get install -y -qq --no-install-recommends "${missing_packages[@]}" >&2 ||
      { apt-get update -qq >&2 && apt-get install -y -qq --no-install-recommends "${missing_packages[@]}" >&2; } ||
      die "could not install ${missing_packages[*]}"
  else
    die "missing tools; install the Debian packages: ${missing_packages[*]}"
  fi
fi

# ---- Clean-up ------------------------------------------------------------
work=$(mktemp -d "${TMPDIR:-/tmp}/pluvik-startup.XXXXXX") || die "cannot create a temporary folder"
chmod 700 "$work"
xvfb_pid=""
time_pid=""  # the /usr/bin/time process of the running start, if any

# Sleeps without starting a process: a read that times out on a pipe nobody
# writes to. Falls back to sleep(1) if the pipe cannot be opened.
nap_fd=""
{ exec {nap_fd}<> <(:); } 2>/dev/null || nap_fd=""
nap() {
  if [[ -n $nap_fd ]]; then
    read -r -t "$1" -u "$nap_fd" _ 2>/dev/null
  else
    sleep "$1"
  fi
  return 0
}

# Microseconds since the epoch, without starting a process.
now_us() {
  local t=$EPOCHREALTIME
  t=${t/[.,]/}
  echo $((10#$t))
}

# Waits up to TIMEOUT_S seconds for a process to end; kills it if it does not.
# Returns 0 when it ended by itself.
end_process() {
  local pid=$1 deadline
  deadline=$(($(now_us) + TIMEOUT_S * 1000000))
  while kill -0 "$pid" 2>/dev/null; do
    if (($(now_us) > deadline)); then
      kill -KILL "$pid" 2>/dev/null
      wait "$pid" 2>/dev/null
      return 1
    fi
    nap "$POLL_S"
  done
  wait "$pid" 2>/dev/null
  return 0
}

# Stops the running start: SIGTERM to the program (the child of
# /usr/bin/time), so that time itself survives to report, then waits for both.
stop_start() {
  [[ -n $time_pid ]] || return 0
  local child
  for child in $(pgrep -P "$time_pid" 2>/dev/null); do
    kill -TERM "$child" 2>/dev/null
  done
  if ! end_process "$time_pid"; then
    for child in $(pgrep -P "$time_pid" 2>/dev/null); do kill -KILL "$child" 2>/dev/null; done
  fi
  time_pid=""
}

# shellcheck disable=SC2317  # run by the EXIT trap
cleanup() {
  trap - EXIT INT TERM HUP
  stop_start
  if [[ -n $xvfb_pid ]]; then
    kill -TERM "$xvfb_pid" 2>/dev/null
    end_process "$xvfb_pid" >/dev/null
  fi
  [[ -n $nap_fd ]] && exec {nap_fd}<&-
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# ---- The X server --------------------------------------------------------
# -displayfd lets Xvfb take the first free display number and tells it once it
# accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
deadline=$(($(now_us) + TIMEOUT_S * 1000000))
display_number=""
until [[ $(<"$work/display") =~ ^([0-9]+)$ ]] && display_number=${BASH_REMATCH[1]}; do
  kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(tail -n 3 "$work/xvfb.log")"
  (($(now_us) > deadline)) && die "Xvfb was not ready within $TIMEOUT_S s"
  nap 0.02
done
display=":$display_number"
xwininfo -display "$display" -root >/dev/null 2>&1 || die "cannot reach the X server on $display"

mkdir -m 700 "$work/runtime"
run_env=(env -u WAYLAND_DISPLAY DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime")

# Top-level windows that carry a class (application windows; Qt's helper
# windows have none), one id a line.
top_windows() {
  local line
  while IFS= read -r line; do
    [[ $line =~ ^\ +(0x[0-9a-f]+)\ .*:\ \(\" ]] && echo "${BASH_REMATCH[1]}"
  done < <(xwininfo -display "$display" -root -children 2>/dev/null)
}

is_mapped() {
  [[ $(xwininfo -display "$display" -id "$1" 2>/dev/null) == *"Map State: IsViewable"* ]]
}

# One start of a program. Sets start_ms (time to the first window, empty if
# none appeared) and start_kb (peak RSS in KiB, empty if unknown).
start_ms=""
start_kb=""
measure_start() {
  local bin=$1 log=$2 deadline t0 t1 id seen="" rss_line
  start_ms=""
  start_kb=""

  # The windows of the previous start must be gone, or they would count.
  deadline=$(($(now_us) + TIMEOUT_S * 1000000))
  while [[ -n $(top_windows) ]]; do
    (($(now_us) > deadline)) && { echo "windows of an earlier start are still there" >"$log"; return 1; }
    nap "$POLL_S"
  done

  rm -f "$work/rss"
  t0=$(now_us)
  "${run_env[@]}" /usr/bin/time -f %M -o "$work/rss" "$bin" >"$log" 2>&1 &
  time_pid=$!

  deadline=$((t0 + TIMEOUT_S * 1000000))
  while [[ -z $seen ]]; do
    for id in $(top_windows); do
      if is_mapped "$id"; then
        seen=$id
        break
      fi
    done
    [[ -n $seen ]] && break
    t1=$(now_us)
    if ! kill -0 "$time_pid" 2>/dev/null; then
      wait "$time_pid" 2>/dev/null
      time_pid=""
      echo "(ended before showing a window)" >>"$log"
      return 1
    fi
    if ((t1 > deadline)); then
      stop_start
      echo "(no window within $TIMEOUT_S s)" >>"$log"
      return 1
    fi
    nap "$POLL_S"
  done
  t1=$(now_us)
  start_ms=$(((t1 - t0 + 50) / 100))  # tenths of a millisecond, formatted below
  start_ms="$((start_ms / 10)).$((start_ms % 10))"

  nap "$(printf '%d.%03d' $((SETTLE_MS / 1000)) $((SETTLE_MS % 1000)))"
  stop_start
  # time writes "Command terminated by signal 15" and then the figure.
  if [[ -f $work/rss ]]; then
    rss_line=$(tail -n 1 "$work/rss")
    [[ $rss_line =~ ^[0-9]+$ ]] && start_kb=$rss_line
  fi
  return 0
}

# Median of numbers given as arguments (mean of the middle two for an even count).
median() {
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END {
    if (NR == 0) exit 1
    if (NR % 2) printf "%.1f", v[(NR + 1) / 2]; else printf "%.1f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

names=(bare_window empty_window pluvik)
bins=("$bare_bin" "$empty_bin" "$pluvik_bin")
declare -A times=() rss=() failures=()

echo "PLUVIK start-up against the least Qt Widgets program of its shape, and an empty window"
echo "Xvfb $display 1280x1024x24, $ROUNDS rounds after $WARMUP warm-up, settle $SETTLE_MS ms, build dir $build_dir"
echo
printf '%-6s %-12s %16s %16s\n' round program "first window ms" "peak RSS MiB"
for ((round = 1 - WARMUP; round <= ROUNDS; round++)); do
  for i in 0 1 2; do
    name=${names[i]}
    log="$work/$name.log"
    label=$round
    ((round < 1)) && label=warm
    if measure_start "${bins[i]}" "$log"; then
      mib=""
      [[ -n $start_kb ]] && mib=$(awk -v k="$start_kb" 'BEGIN { printf "%.1f", k / 1024 }')
      printf '%-6s %-12s %16s %16s\n' "$label" "$name" "$start_ms" "${mib:-?}"
      if ((round >= 1)); then
        times[$name]+=" $start_ms"
        [[ -n $mib ]] && rss[$name]+=" $mib"
      fi
    else
      printf '%-6s %-12s %16s %16s   %s\n' "$label" "$name" "-" "-" "$(tail -n 1 "$log")"
      ((round >= 1)) && failures[$name]=$((${failures[$name]:-0} + 1))
    fi
  done
done
echo

for name in "${names[@]}"; do
  [[ -n ${times[$name]:-} ]] || die "$name showed no window in any round; its last output:
$(tail -n 5 "$work/$name.log")"
  [[ -n ${rss[$name]:-} ]] || die "/usr/bin/time reported no peak memory for $name"
done

# shellcheck disable=SC2086  # the lists are blank-separated numbers
{
  bare_ms=$(median ${times[bare_window]})
  empty_ms=$(median ${times[empty_window]})
  pluvik_ms=$(median ${times[pluvik]})
  bare_mib=$(median ${rss[bare_window]})
  empty_mib=$(median ${rss[empty_window]})
  pluvik_mib=$(median ${rss[pluvik]})
}

verdict() {
  awk -v r="$1" -v t="$TARGET" 'BEGIN { printf "%s", (r <= t ? "within target " t : "over target " t) }'
}
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
time_ratio=$(ratio "$pluvik_ms" "$bare_ms")
rss_ratio=$(ratio "$pluvik_mib" "$bare_mib")

printf '%-12s %22s %22s\n' median "first window ms" "peak RSS MiB"
printf '%-12s %22s %22s\n' bare_window "$bare_ms" "$bare_mib"
printf '%-12s %22s %22s\n' empty_window "$empty_ms" "$empty_mib"
printf '%-12s %22s %22s\n' pluvik "$pluvik_ms" "$pluvik_mib"
printf '%-12s %22s %22s\n' pluvik/bare "$time_ratio" "$rss_ratio"
printf '%-12s %22s %22s\n' "" "$(verdict "$time_ratio")" "$(verdict "$rss_ratio")"
printf '%-12s %22s %22s\n' pluvik/empty "$(ratio "$pluvik_ms" "$empty_ms")" "$(ratio "$pluvik_mib" "$empty_mib")"
for name in "${names[@]}"; do
  [[ -n ${failures[$name]:-} ]] && echo "note: $name failed to show a window in ${failures[$name]} of $ROUNDS rounds"
done
exit 0
