# shellcheck shell=bash
# What the build scripts share; sourced, not run.

# The Debian packages the build needs; Qt's translations give the window's
# standard buttons and dialogs the technician's language.
# shellcheck disable=SC2034  # used by the scripts that source this one
build_packages=(cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-charts-dev libgl-dev
    librapidcheck-dev qt6-translations-l10n)
# What the tests need beyond the build: a real serial device server to reach
# the simulated meter through.
test_packages=(ser2net)

# Installs those of the given packages that are missing.
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    local sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Configures a build folder; CMake's long output is shown only when it fails.
configure() {
    local folder="$1" log
    shift
    log=$(mktemp)
    if ! cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBIS_WERROR=ON "$@" \
        >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}
