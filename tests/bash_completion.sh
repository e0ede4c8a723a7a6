#!/usr/bin/env bash
# Given the installed completion and orbis-cli, when a technician presses Tab,
# then bash offers the commands, a command's options and the port devices.
#   tests/bash_completion.sh COMPLETION_SCRIPT ORBIS_CLI
set -u
source "$1"
tool=$2
failed=0

offered() {
    COMP_WORDS=("$tool" "${@:2}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    _orbis_cli
    local words=" ${COMPREPLY[*]} "
    if [[ $words != *" $1 "* ]]; then
        echo "FAIL: after '${*:2}' Tab offers${words}but not $1"
        failed=1
    fi
}

offered write-config wri
offered --other-meter restore 1 --o
offered --json read --j
offered /dev/null read /dev/nu
offered de report --language d
offered write-curve fleet write-cu
offered --json fleet read 1 --j
offered --fast write-config 1 --f
exit $failed
