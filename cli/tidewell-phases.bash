# bash completion of tidewell-phases: its options, and for --zone the names of the time-zone
# database (in TZDIR when that is set).

# The zone names of the database: from its list of zones and links when it has one, else from
# its zone files.
_tidewell_phases_zones() {
    local folder=${TZDIR:-/usr/share/zoneinfo}
    folder=${folder%/}
    if [[ -r $folder/tzdata.zi ]]; then
        # "Z NAME ..." names a zone, "L TARGET NAME" a link.
        awk '$1 == "Z" { print $2 } $1 == "L" { print $3 }' "$folder/tzdata.zi"
    else
        (cd "$folder" 2>/dev/null &&
            find -L . -type f ! -name '*.*' ! -path './posix/*' ! -path './right/*' \
                ! -name posixrules ! -name localtime ! -name Factory -print 2>/dev/null |
            sed 's|^\./||')
    fi
}

_tidewell_phases() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local options='--at --zone --shown --next --count --from --to --json --ics --help --version'

    # "--zone=Eu": bash splits it into "--zone", "=" and "Eu" when COMP_WORDBREAKS holds "=",
    # else the word is whole and each answer must keep the "--zone=".
    local keep=
    if [[ $cur == '=' ]]; then
        cur=
    fi
    if [[ $prev == '=' ]] && ((COMP_CWORD > 1)); then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $cur == --*=* ]]; then
        prev=${cur%%=*}
        keep=$prev=
        cur=${cur#*=}
    fi

    local IFS=$'\n'
    case $prev in
        --zone)
            COMPREPLY=($(compgen -P "$keep" -W "$(_tidewell_phases_zones)" -- "$cur"))
            return
            ;;
        --at | --from | --to)
            COMPREPLY=($(compgen -P "$keep" -W "$(date +%Y-%m-%d)" -- "$cur"))
            return
            ;;
        --count)
            COMPREPLY=()
            return
            ;;
    esac
    IFS=$' \t\n'
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
}

complete -F _tidewell_phases tidewell-phases
