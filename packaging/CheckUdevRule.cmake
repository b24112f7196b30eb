# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the configured udev rule: the unit's IDs in udev's spelling, hidraw only, removal skipped,
# the configuration interface told by the probe before the tag, and nothing granted but the seat
# user's access.
file(READ "${RULE}" text)
set(expect_line "ATTRS{idVendor}==\"${VID}\", ATTRS{idProduct}==\"${PID}\", PROGRAM=\"${PROBE} /sys%p/device/report_descriptor\", TAG+=\"uaccess\"")
string(FIND "${text}" "${expect_line}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "rule lacks the line: ${expect_line}\n--- rule ---\n${text}")
endif()
foreach(needed "ACTION==\"remove\", GOTO=\"tarvik_end\"" "SUBSYSTEM!=\"hidraw\", GOTO=\"tarvik_end\"" "LABEL=\"tarvik_end\"")
  string(FIND "${text}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "rule lacks: ${needed}")
  endif()
endforeach()
# Least privilege: no mode, group, owner or RUN key on any line that is not a comment.
string(REGEX REPLACE "#[^\n]*" "" code "${text}")
# One tag only, on the line that asked the probe.
string(REGEX MATCHALL "uaccess" tags "${code}")
list(LENGTH tags tag_count)
if(NOT tag_count EQUAL 1)
  message(FATAL_ERROR "rule must tag once, on the probed line:\n${code}")
endif()
foreach(forbidden "MODE" "GROUP" "OWNER" "RUN" "0x")
  string(FIND "${code}" "${forbidden}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "rule must not contain ${forbidden}:\n${code}")
  endif()
endforeach()
