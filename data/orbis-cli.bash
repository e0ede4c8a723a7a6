# bash completion for orbis-cli: commands, their options, fleet operations, port names and files.
# The tool itself names its commands and options (orbis-cli --complete [COMMAND]).

_orbis_cli_ports() {
    local d
    for d in /dev/ttyS* /dev/ttyUSB* /dev/ttyACM*; do
        [[ -e $d ]] && printf '%s\n' "$d"
    done
}

_orbis_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local tool=${COMP_WORDS[0]}
    COMPREPLY=()
    case $prev in
        --folder)
            mapfile -t COMPREPLY < <(compgen -d -- "$cur")
            return ;;
        --pdf)
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return ;;
        --language)
            mapfile -t COMPREPLY < <(compgen -W "de en fr" -- "$cur")
            return ;;
        --unit | --password | --interval | --records)
            return ;;
    esac
    if ((COMP_CWORD == 2)) && [[ ${COMP_WORDS[1]} == fleet && $cur != -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "read write-config write-curve restore" -- "$cur")
        return
    fi
    if ((COMP_CWORD == 1)) || [[ $cur == -* ]]; then
        local command=
        ((COMP_CWORD > 1)) && command=${COMP_WORDS[1]}
        mapfile -t COMPREPLY < <(compgen -W "$("$tool" --complete "$command" 2>/dev/null)" -- "$cur")
        return
    fi
    mapfile -t COMPREPLY < <(compgen -W "$(_orbis_cli_ports)" -- "$cur"; compgen -f -- "$cur")
}

complete -o filenames -F _orbis_cli orbis-cli
