#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs PROGRAM with the option help2man asks for and marks its examples the way help2man sets
# command lines in constant width, one to a line: under "Examples:", "  tarvikctl list" becomes
# "  $ tarvikctl list". Everything else passes unchanged.
#   help-for-man.sh PROGRAM OPTION
program=$1
shift
"$program" "$@" | awk '
    /^[A-Z][A-Za-z ]*:$/ { examples = ($0 == "Examples:") }
    examples && /^  [^ ]/ { print "  $ " substr($0, 3); next }
    { print }
'
