# SPDX-License-Identifier: GPL-3.0-or-later
# tarvikctl's bash completion. Its words (commands, options, set forms, pedal, modifier and key
# names) come from tarvikctl's own code through a small generator, so no list exists twice.

add_executable(tarvikctl-completion completion/CompletionWords.cpp)
target_link_libraries(tarvikctl-completion PRIVATE tarvik_cli)

set(TARVIK_COMPLETION ${CMAKE_CURRENT_BINARY_DIR}/completion/tarvikctl)
add_custom_command(OUTPUT ${TARVIK_COMPLETION}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/completion
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:tarvikctl-completion> ${CMAKE_CURRENT_SOURCE_DIR}/completion/tarvikctl.bash.in
          ${TARVIK_COMPLETION}
  DEPENDS tarvikctl-completion ${CMAKE_CURRENT_SOURCE_DIR}/completion/tarvikctl.bash.in
  COMMENT "bash completion for tarvikctl"
  VERBATIM)
add_custom_target(bash_completion ALL DEPENDS ${TARVIK_COMPLETION})
# Where bash-completion loads completions from on demand (it also looks under /usr/local/share).
install(FILES ${TARVIK_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(BUILD_TESTING)
  find_program(BASH bash)
  if(BASH AND EXISTS /usr/share/bash-completion/bash_completion)
    add_test(NAME packaging_bash_completion
      COMMAND ${BASH} ${CMAKE_CURRENT_SOURCE_DIR}/completion/test-completion.sh ${TARVIK_COMPLETION})
  endif()
endif()
