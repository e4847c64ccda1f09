# zirere_link_check(library allowed...): a small program made of every object of
# the library and nothing of the floors it may not use. Its link fails when the
# library calls into a subsystem outside the allowed libraries, so the build
# itself refuses, say, the books calling into the journal.
function(zirere_link_check library)
  set(target ${library}_link_check)
  add_executable(${target} EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/cmake/link_check_main.cpp)
  target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>" ${ARGN})
  add_dependencies(zirere_link_checks ${target})
endfunction()
