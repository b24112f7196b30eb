# SPDX-License-Identifier: GPL-3.0-or-later
# Manual pages, made at build time by help2man from each program's --help and --version (which work
# without a display) and a short hand-written part (man/*.h2m); installed gzipped as Debian wants.
# man/help-for-man.sh only marks the help's examples for help2man.

find_program(HELP2MAN help2man)
if(NOT HELP2MAN OR NOT GZIP)
  message(WARNING "help2man or gzip not found: no manual pages (Debian: apt install help2man)")
  return()
endif()

set(page_date)
if(TARVIK_RELEASE_EPOCH)
  set(page_date SOURCE_DATE_EPOCH=${TARVIK_RELEASE_EPOCH})
endif()

set(man_pages)
foreach(program tarvik-config tarvikctl)
  if(NOT TARGET ${program})
    continue()
  endif()
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${program}.1)
  set(include ${CMAKE_CURRENT_SOURCE_DIR}/man/${program}.h2m)
  add_custom_command(OUTPUT ${page}.gz
    # A sanitizer build's leak report must not turn --help into a failure.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 ${page_date}
            ${HELP2MAN} --no-info --locale=C.UTF-8 --include=${include} --output=${page}
            "sh ${CMAKE_CURRENT_SOURCE_DIR}/man/help-for-man.sh $<TARGET_FILE:${program}>"
    COMMAND ${GZIP} -9nf ${page}
    DEPENDS ${program} ${include} ${CMAKE_CURRENT_SOURCE_DIR}/man/help-for-man.sh
    COMMENT "Manual page ${program}(1)"
    VERBATIM)
  list(APPEND man_pages ${page}.gz)
endforeach()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
