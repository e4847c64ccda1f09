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

# zirere_subsystem(name PORTABLE sources... WINDOWS sources...): a subsystem's two
# libraries, name_portable (every build) on the core's portable library and, in
# the cross build, name_windows on its own portable part and the core's Windows
# part, each with its link check. A subsystem never links another.
function(zirere_subsystem name)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS" ${ARGN})
  add_library(${name}_portable STATIC ${ARG_PORTABLE})
  target_link_libraries(${name}_portable PUBLIC core_portable)
  zirere_link_check(${name}_portable core_portable)
  if(WIN32)
    add_library(${name}_windows STATIC ${ARG_WINDOWS})
    target_link_libraries(${name}_windows PUBLIC ${name}_portable core_windows)
    zirere_link_check(${name}_windows ${name}_portable core_windows)
  endif()
endfunction()
