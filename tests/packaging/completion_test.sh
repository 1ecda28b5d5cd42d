#!/usr/bin/env bash
# Loads vnlcli's bash completion and checks what it offers for partial
# command lines, as bash would show them (the part after the last "=" or ":").
#   completion_test.sh COMPLETION_FILE
set -u
source "$1"
COMP_WORDBREAKS=$' \t\n"\'><=;|&(:'
failures=0

# expect LINE CANDIDATES...: completing at the end of LINE offers exactly CANDIDATES.
expect()
{
    local line=$1 want got
    shift
    COMP_LINE=$line COMP_POINT=${#line}
    _vnlcli
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    want=$(printf '%s\n' "$@" | sort | xargs)
    if [[ $got != "$want" ]]; then
        echo "FAIL: '$line'"
        echo "  want: $want"
        echo "  got:  $got"
        failures=$((failures + 1))
    fi
}

# A file named like a one-letter candidate must not replace "?".
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT && touch x

expect "vnlcli " controller ctrl help smarthelp rescan version --json
expect "vnlcli --" --json
expect "vnlcli --json " controller ctrl
expect "vnlcli --json ctrl slot=3 pd all " show
expect "vnlcli --json ctrl all show " config detail status ssp
expect "vnlcli c" controller ctrl
expect "vnlcli ctrl s" slot= sn= serialnumber=
expect "vnlcli controller ch" chassisname= ch= chassisserialnumber=
expect "vnlcli ctrl slot=3 " array logicaldrive ld physicaldrive pd tapedrive td \
    show create modify delete del add remove
expect "vnlcli ctrl slot=3 pd " all allunassigned
expect "vnlcli ctrl all " show create modify delete del add remove # nothing after a wildcard
expect "vnlcli ctrl slot=3 ld 1 " show create modify delete del add remove
expect "vnlcli ctrl slot=3 pd all " show create modify delete del add remove
expect "vnlcli ctrl slot=3 array A l" logicaldrive ld
expect "vnlcli ctrl slot=3 array A " logicaldrive ld physicaldrive pd tapedrive td \
    show create modify delete del add remove
expect "vnlcli ctrl slot=3 pd 1E:1:1 " show create modify delete del add remove
expect "vnlcli ctrl slot=3 show " config detail status ssp
expect "vnlcli ctrl slot=3 create type=ld raid=" 0 1 1+0 4 5 6 "?"
expect "vnlcli ctrl slot=3 create type=ld raid=1" 1 1+0
expect "vnlcli ctrl slot=3 create ss=" 8 16 32 64 128 256 default "?"
expect "vnlcli ctrl slot=3 create t" type=
expect "vnlcli ctrl slot=3 create type=" ld logicaldrive
expect "vnlcli CTRL slot=3 ld 1 modify aa=" enable disable "?"
expect "vnlcli ctrl ch=\"lab 3\" modify ppm=m" manual
expect "vnlcli ctrl slot=3 ld 2 delete " forced
expect "vnlcli ctrl slot=3 array A remove spares=a" all allunassigned au
expect "vnlcli ctrl slot=3 modify dwc=" enable disable "?"
expect "vnlcli help " add create delete modify remove rescan show shorthand target
expect "vnlcli ctrl slot=3 modify slot=" # no values for a free-form parameter

exit $((failures > 0))
