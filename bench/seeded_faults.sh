#!/usr/bin/env bash
# Seeds one fault at a time into the source and tells whether the test suite
# notices it: a test that fails or a build that breaks catches the fault, a
# green suite lets it survive. Measures what the tests guard before and after
# they are pruned or reworked.
#
# Usage: bench/seeded_faults.sh [LIST] [NUMBER...]
#   LIST    fault list, default bench/seeded_faults.txt
#   NUMBER  run only these faults (their numbers as printed), default all
#
# Each line of the list is "FILE | WHAT | SED-EXPRESSION"; blank lines and
# lines starting with '#' are skipped. The expression is applied with
# `sed -i -E`, must change the file, and the file is given back with
# `git checkout` before the next fault. The build folder is `build` (set
# BUILD to use another); it must be configured already. The properties draw
# their cases from a fixed seed (RC_PARAMS overrides it), so that two runs
# meet the same cases and can be compared.
set -u

cd "$(dirname "$0")/.." || exit 2
list=${1:-bench/seeded_faults.txt}
shift $(($# > 0 ? 1 : 0))
only=" $* "
build=${BUILD:-build}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work}
export RC_PARAMS=${RC_PARAMS:-seed=1}
current=""

restore() {
    [ -n "$current" ] && git checkout -q -- "$current"
    current=""
}
trap 'restore; exit 130' INT TERM
trap restore EXIT

rebuild() {
    cmake --build "$build" >"$build/seeded_build.log" 2>&1
}

# Prints the names of the failing tests, nothing when all pass.
failing_tests() {
    (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j2 --timeout 120 --stop-on-failure >seeded_ctest.log 2>&1)
    sed -n -E 's/^[[:space:]]+[0-9]+ - ([^ ]+) \(.*/\1/p' "$build/seeded_ctest.log" | sort -u |
        tr '\n' ' '
}

if [ -n "$(git status --porcelain -- src)" ]; then
    echo "src has uncommitted changes; commit or stash them first" >&2
    exit 2
fi
if [ ! -r "$list" ]; then
    echo "no fault list $list" >&2
    exit 2
fi

echo "baseline: building and running the unchanged suite"
if ! rebuild; then
    echo "the unchanged source does not build; see $build/seeded_build.log" >&2
    exit 2
fi
base_failures=$(failing_tests)
if [ -n "$base_failures" ]; then
    echo "the unchanged suite fails already: $base_failures" >&2
    exit 2
fi

caught=0 survived=0 unapplied=0 number=0
survivors=()
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    number=$((number + 1))
    [ "$only" != "  " ] && [[ "$only" != *" $number "* ]] && continue
    file=${line%% | *}
    rest=${line#* | }
    what=${rest%% | *}
    expression=${rest#* | }
    label=$(printf '%2d %-36s %s' "$number" "$file" "$what")
    if [ ! -f "$file" ]; then
        echo "$label: NOT APPLIED (no such file)"
        unapplied=$((unapplied + 1))
        continue
    fi
    current=$file
    sed -i -E "$expression" "$file"
    if git diff --quiet -- "$file"; then
        echo "$label: NOT APPLIED (the expression changes nothing)"
        unapplied=$((unapplied + 1))
        restore
        continue
    fi
    if ! rebuild; then
        echo "$label: caught (build fails)"
        caught=$((caught + 1))
    else
        failures=$(failing_tests)
        if [ -n "$failures" ]; then
            echo "$label: caught by ${failures% }"
            caught=$((caught + 1))
        else
            echo "$label: SURVIVED"
            survived=$((survived + 1))
            survivors+=("$number")
        fi
    fi
    restore
done <"$list"

rebuild >/dev/null 2>&1
echo "caught $caught, survived $survived, not applied $unapplied"
[ ${#survivors[@]} -gt 0 ] && echo "survivors: ${survivors[*]}"
exit 0
