# Bash completion for quorrel-cli: its options, the values of --format,
# --encoding and --decode, and file names after "@".
_quorrel_cli()
{
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    case $previous in
    --format)
        mapfile -t COMPREPLY < <(compgen -W 'table tsv json' -- "$current")
        return
        ;;
    --encoding | --decode)
        mapfile -t COMPREPLY < <(compgen -W 'utf-8 gbk' -- "$current")
        return
        ;;
    --filter | --ignore)
        COMPREPLY=()
        return
        ;;
    esac
    if [[ $current == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W '--help --version --filter --encoding --format --quiet
            --decode --ignore --only-differences --url --' -- "$current")
    elif [[ $current == @* ]]; then
        mapfile -t COMPREPLY < <(compgen -P @ -f -- "${current#@}")
    fi
}
complete -F _quorrel_cli quorrel-cli
