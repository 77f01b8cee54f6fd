#!/bin/bash
# check-completion.sh COMPLETION BIN_DIR: the bash completion of trailcfg-cli
# against the program in BIN_DIR. It reads the program's own help, so a
# change of the help's layout that it no longer understands fails here.

source /usr/share/bash-completion/bash_completion || exit 1
source "$1" || exit 1
PATH=$(cd "$2" && pwd):$PATH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/card" && cd "$work" || exit 1

failed=0
# expect WANTED WORD...: completing the last WORD offers exactly WANTED.
expect() {
    local wanted=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _trailcfg_cli
    if [[ "${COMPREPLY[*]}" != "$wanted" ]]; then
        echo "completing [$*]: got [${COMPREPLY[*]}], wanted [$wanted]"
        failed=1
    fi
}

expect 'new export show import set check diff operators batch' trailcfg-cli ''
expect 'show set' trailcfg-cli s
expect '--help --version' trailcfg-cli --
expect 'cfg menu' trailcfg-cli new ''
expect '--help --dir --force' trailcfg-cli new cfg --
expect 'card' trailcfg-cli import x.json --dir ''
expect 'en zh' trailcfg-cli show card/CFG.BIN --lang ''
expect 'card' trailcfg-cli diff card/CFG.BIN c
expect '--help --out --no-cmd22 --keep-time --lang' trailcfg-cli batch --
expect 'United\ States United\ Kingdom' trailcfg-cli operators --country Uni
expect '中国' trailcfg-cli operators --country 中
expect '' trailcfg-cli operators --country Atlantis
exit $failed
