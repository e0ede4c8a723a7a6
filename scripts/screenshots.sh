#!/usr/bin/env bash
# Takes the pictures of the user guide. Builds the tool, the simulator and the
# screenshot tour into build-shots (configured when missing), then runs the
# tour against the simulator at QT_SCALE_FACTOR 1, 1.5 and 2 into OUTDIR/1,
# OUTDIR/1.5 and OUTDIR/2, and once with the main window resized to 900x600
# into OUTDIR/small, to see whether anything is cut off.
#
#   scripts/screenshots.sh [OUTDIR]        OUTDIR defaults to docs/images
#
# Beside each run's pictures the tour writes shots.txt (the pictures and their
# sizes) and layout.txt (controls whose text does not fit, that are cut off or
# overlap, lists with scroll bars, pages that scroll); these stay in
# build-shots/shots/<run>/ and the findings are printed at the end.
#
# Runs under xvfb-run (installed when missing and possible) in a screen of
# 1920x1080 logical pixels; without it the tour draws offscreen. Pictures
# wider than 900 px are scaled down and all are compressed with ImageMagick
# when `convert` is there; SHOTS_FULL=1 keeps them as taken. SHOTS_BUILD
# names another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-docs/images}"
build="${SHOTS_BUILD:-build-shots}"
tour="$build/bench/bench_screenshot_tour"
scratch="$build/shots"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        return 1
    fi
}
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
install_missing() {
    command -v dpkg-query >/dev/null || return 1
    local missing=() p
    for p in "$@"; do installed "$p" || missing+=("$p"); done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq &&
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What the build needs, as scripts/setup.sh installs it.
install_missing cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-charts-dev libgl-dev ||
    echo "Could not install the build packages; trying with what is there." >&2

if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIS_TESTS=OFF >/dev/null
fi
cmake --build "$build" --target orbis orbis-sim bench_screenshot_tour

command -v xvfb-run >/dev/null || install_missing xvfb xauth || true
command -v convert >/dev/null || install_missing imagemagick || true
if ! command -v xvfb-run >/dev/null; then
    echo "xvfb-run is not available: the tour draws offscreen." >&2
fi

# At most 900 px wide, metadata stripped, best compression; a palette of 256
# colours when that is smaller (a screenshot has few colours).
shrink() {
    local f="$1"
    [ "${SHOTS_FULL:-0}" = 1 ] && return 0
    command -v convert >/dev/null || return 0
    # A convert that is not ImageMagick's leaves the picture as taken.
    convert "$f" -resize '900x>' -strip -define png:compression-level=9 "$f.full.png" \
        2>/dev/null || { rm -f "$f.full.png"; return 0; }
    convert "$f.full.png" +dither -colors 256 -strip -define png:compression-level=9 \
        "$f.pal.png" 2>/dev/null || { mv "$f.full.png" "$f"; rm -f "$f.pal.png"; return 0; }
    if [ "$(stat -c %s "$f.pal.png")" -lt "$(stat -c %s "$f.full.png")" ]; then
        mv "$f.pal.png" "$f"
        rm -f "$f.full.png"
    else
        mv "$f.full.png" "$f"
        rm -f "$f.pal.png"
    fi
}

# run_tour NAME SCALE [TOUR OPTIONS...]: the tour at the scale in a screen of
# 1920x1080 logical pixels, its pictures copied to OUTDIR/NAME.
run_tour() {
    local name="$1" scale="$2"
    shift 2
    local dir="$scratch/$name" w h status=0
    rm -rf "$dir"
    mkdir -p "$dir" "$out/$name"
    echo "== $name: QT_SCALE_FACTOR=$scale $*"
    w=$(awk -v s="$scale" 'BEGIN { printf "%d", 1920 * s }')
    h=$(awk -v s="$scale" 'BEGIN { printf "%d", 1080 * s }')
    if command -v xvfb-run >/dev/null; then
        QT_SCALE_FACTOR="$scale" QT_QPA_PLATFORM=xcb \
            xvfb-run -a -s "-screen 0 ${w}x${h}x24" \
            "$tour" "$dir" "QT_SCALE_FACTOR=$scale, Xvfb screen ${w}x${h}" "$@" || status=$?
    else
        QT_SCALE_FACTOR="$scale" QT_QPA_PLATFORM=offscreen \
            "$tour" "$dir" "QT_SCALE_FACTOR=$scale, offscreen" "$@" || status=$?
    fi
    rm -f "$out/$name"/*.png
    local f
    for f in "$dir"/*.png; do
        [ -e "$f" ] || continue
        cp "$f" "$out/$name/"
        shrink "$out/$name/$(basename "$f")"
    done
    return $status
}

status=0
# Only the first run resets the calibration (about 1.5 min of the meter's
# waits), to fill the exchange list of the calibration frame for the guide.
run_tour 1 1 || status=1
run_tour 1.5 1.5 --no-reset || status=1
run_tour 2 2 --no-reset || status=1
run_tour small 1 --size 900x600 --no-reset || status=1

echo
for name in 1 1.5 2 small; do
    echo "== layout findings, $name ($scratch/$name/layout.txt):"
    cat "$scratch/$name/layout.txt" 2>/dev/null || echo "(none written)"
done
echo
du -sh "$out"/1 "$out"/1.5 "$out"/2 "$out"/small 2>/dev/null || true
exit $status
