#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Completes command lines with the built tarvikctl completion, as bash does at a Tab, and compares.
#   test-completion.sh COMPLETION-FILE
set -u
export LC_ALL=C.UTF-8
source /usr/share/bash-completion/bash_completion
source "$1"
# Outside a real completion there is nothing to set options on.
compopt() { :; }

failures=0
# expect "WORDS OF THE LINE, the last being completed" "OFFERED WORDS, sorted, one blank apart"
expect() {
    local line=$1 want=$2
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _tarvikctl tarvikctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')
    if [[ $got != "$want" ]]; then
        echo "FAIL: '$line'"
        echo "  want: $want"
        echo "  got:  $got"
        failures=$((failures + 1))
    fi
}

expect "tarvikctl s" "set show"
expect "tarvikctl --device /dev/hidraw0 d" "doctor dump"
expect "tarvikctl --tr" "--transcript"
expect "tarvikctl --sim" "--simulate --simulate="
expect "tarvikctl show --j" "--json"
expect "tarvikctl reset --j" ""
expect "tarvikctl set far" "far-left far-right"
expect "tarvikctl set 左" "左ペダル 左端ペダル"
expect "tarvikctl set left c" "chord click"
expect "tarvikctl set left d" "double-click"
expect "tarvikctl set 0 click " "left left+middle left+right left+right+middle middle right right+middle"
expect "tarvikctl set 0 click r" "right right+middle"
expect "tarvikctl set 0 key ent" "enter"
expect "tarvikctl set 0 key ctrl+sh" "ctrl+shift+"
expect "tarvikctl set 0 key ctrl+shift+pageu" "ctrl+shift+pageup"
expect "tarvikctl set 0 key F1" "F1 F10 F11 F12 F13 F14 F15 F16 F17 F18 F19"
expect "tarvikctl set 0 double-click " "left middle right"
expect "tarvikctl set 0 double-click --s" "--second --simulate --simulate="
expect "tarvikctl set 0 double-click right --second " "hold same"
expect "tarvikctl set 0 double-click --first-ms 20 " "left middle right"
expect "tarvikctl set 0 click left+" "left+middle left+right left+right+middle"
expect "tarvikctl set 0 modifier-click ctrl+s" "ctrl+shift"
expect "tarvikctl set 0 modifier-click ctrl m" "middle"
expect "tarvikctl set 0 modifier-double-click cmd left --i" "--interval-ms"
expect "tarvikctl set 0 repeat-key ctrl+pag" "ctrl+pagedown ctrl+pageup"
expect "tarvikctl set 0 repeat-key a --rate 2.5 --a" "--accelerate"
expect "tarvikctl set 0 pointer up-" "up-left up-right"
expect "tarvikctl set 0 wheel " "backward forward"
expect "tarvikctl set 0 repeat-click left --r" "--rate --repeats"
expect "tarvikctl set 0 chord a --count " "chords series"
expect "tarvikctl set 0 on-change --press no" "none"
expect "tarvikctl set 0 on-change --release ctrl+F2" "ctrl+F2 ctrl+F20 ctrl+F21 ctrl+F22 ctrl+F23 ctrl+F24"

if ((failures)); then
    echo "$failures completion(s) wrong"
    exit 1
fi
echo "all completions as expected"
