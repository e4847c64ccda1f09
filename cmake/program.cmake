# The main program, built once per display font size, and its program folder:
# build/win/program holds the executables and the shipped set-up files.
set(ZIRERE_FONT_SIZES 9 10 11 12 14)
set(ZIRERE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)

add_library(app_sources OBJECT core/app_main.cpp)
target_link_libraries(app_sources PUBLIC core_portable)

foreach(size IN LISTS ZIRERE_FONT_SIZES)
  set(target tavrelbook_${size})
  # Each size gets a small resource script of its own that sets the size and
  # includes the shared one.
  set(size_rc ${CMAKE_BINARY_DIR}/resources/tavrelbook_${size}.rc)
  file(WRITE ${size_rc}.in "#define ZIRERE_FONT_SIZE ${size}\n#include \"${PROJECT_SOURCE_DIR}/resources/tavrelbook.rc\"\n")
  configure_file(${size_rc}.in ${size_rc} COPYONLY)
  add_executable(${target} WIN32 $<TARGET_OBJECTS:app_sources> ${size_rc})
  target_compile_definitions(${target} PRIVATE ZIRERE_FONT_SIZE=${size})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources)
  target_link_libraries(${target} PRIVATE core_portable)
  target_link_options(${target} PRIVATE -municode)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZIRERE_PROGRAM_DIR})
endforeach()
