# The converter's own sources, relative to this folder.
set(ZIRERE_DATA_CONVERTER_SOURCES
  main.cpp
  shift_jis_text.cpp
  source_lines.cpp
  dictionary_source.cpp
  entry_source.cpp
  archive_output.cpp
)
# The portable framework and record sources it is built with when it is compiled
# on its own for the build machine, relative to the top of the work tree.
set(ZIRERE_DATA_CONVERTER_BASE_SOURCES
  framework/cp932.cpp
  framework/byte_text.cpp
  framework/cstring.cpp
  framework/object.cpp
  framework/arrays.cpp
  framework/file.cpp
  framework/file_exception.cpp
  framework/archive.cpp
  framework/posix/file_posix.cpp
  core/my_object2.cpp
  core/record_pool.cpp
  core/kiso.cpp
  core/class_code.cpp
  core/amount_arithmetic.cpp
  core/digit_calculator.cpp
  core/amount_format.cpp
  core/column_text.cpp
  core/sjis_text.cpp
  core/remark_items.cpp
  core/amount_check.cpp
  core/calendar_date.cpp
  core/entry_check.cpp
)
