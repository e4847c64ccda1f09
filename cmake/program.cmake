# The main program, built once per display font size, and its program folder:
# build/win/program holds the executables and the shipped set-up files.
set(ZIRERE_FONT_SIZES 9 10 11 12 14)
set(ZIRERE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)

# Everything but the size: the application, the document, the frame and the views.
add_library(app_windows STATIC
  core/my_app.cpp
  core/my_doc.cpp
  core/file_commands.cpp
  core/data_file_commands.cpp
  core/csv_commands.cpp
  core/dictionary_aids.cpp
  core/directory_dialog.cpp
  core/rename_dlg.cpp
  core/main_frame.cpp
  core/spare_views.cpp
  core/book_form_view.cpp
  core/book_views.cpp
  core/form_painting.cpp
  core/hint_dialog_factory.cpp
  core/num_edit.cpp
  core/num_edit_keys.cpp
  journal/siwake.cpp
  journal/journal_print.cpp
  journal/journal_print_plan.cpp
  journal/siwake_journal.cpp
  journal/entry_lists.cpp
  journal/sentence_words.cpp
  journal/screen_layout.cpp
  journal/entry_table.cpp
  journal/entry_table_painter.cpp
  journal/hint_search.cpp
  journal/hint_dlg.cpp
  journal/hint_diagram.cpp
  journal/dict_register_text.cpp
  journal/dict_register_dlg.cpp
  journal/dictionary_check.cpp
  journal/journal_lines.cpp
  journal/bunrui_dlg.cpp
  journal/owner_account_check.cpp
  journal/journal_edits.cpp
  journal/entry_form.cpp
  books/ledger.cpp
  books/book_lists.cpp
  books/entry_detail.cpp
  books/ledger_print.cpp
  books/opening_cash.cpp
  books/book_view.cpp
  books/kanjyo.cpp
  books/kinsen.cpp
  books/keihi.cpp
  books/uriage.cpp
  books/siire.cpp
  books/stripe_list_ctrl.cpp
  books/decimal_product.cpp
  books/sales_text.cpp
  books/item_breakdown.cpp
  books/sales_ledger.cpp
  books/sales_print_plan.cpp
  books/sales_print.cpp
  books/sales_book_view.cpp
  statements/kessan.cpp
  statements/account_totals.cpp
  statements/statement_cells.cpp
  statements/statement_rows.cpp
  statements/trial_balance.cpp
  statements/profit_loss.cpp
  statements/monthly_totals.cpp
  statements/balance_sheet.cpp
  statements/statement_lines.cpp
  statements/statement_print.cpp
  setup/settei.cpp
  setup/aid_amounts.cpp
  setup/opening_entries.cpp
  setup/opening_rows.cpp
  setup/opening_edit.cpp
  setup/opening_carry.cpp
  setup/kishu_zandaka_dlg.cpp
  journal/siwake_opening_balance.cpp
  setup/inventory_entries.cpp
  setup/bad_debt_entries.cpp
  setup/keyword_search.cpp
  setup/partner_list.cpp
  setup/input_aid_dlg.cpp
  setup/tanaorosi_dlg.cpp
  setup/kasidaore_dlg.cpp
  setup/kensaku_dlg.cpp
  setup/torihikisaki_dlg.cpp
  journal/siwake_input_aids.cpp
  setup/settei_edit.cpp
  setup/settei_files.cpp
  setup/settei_print.cpp
  setup/dictionary_edit.cpp
  setup/dictionary_rebuild.cpp
  setup/dictionary_print_plan.cpp
)
target_link_libraries(app_windows PUBLIC core_portable framework_win)
target_include_directories(app_windows PUBLIC ${PROJECT_SOURCE_DIR})

foreach(size IN LISTS ZIRERE_FONT_SIZES)
  set(target tavrelbook_${size})
  # Each size gets a small resource script of its own that sets the size and
  # includes the shared one.
  set(size_rc ${CMAKE_BINARY_DIR}/resources/tavrelbook_${size}.rc)
  file(WRITE ${size_rc}.in "#define ZIRERE_FONT_SIZE ${size}\n#include \"${PROJECT_SOURCE_DIR}/resources/tavrelbook.rc\"\n")
  configure_file(${size_rc}.in ${size_rc} COPYONLY)
  add_executable(${target} WIN32 core/app_main.cpp core/build_font_size.cpp journal/hint_dlg_registration.cpp ${size_rc})
  target_compile_definitions(${target} PRIVATE ZIRERE_FONT_SIZE=${size})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/resources)
  target_link_libraries(${target} PRIVATE app_windows)
  target_link_options(${target} PRIVATE -municode)
  target_sources(${target} PRIVATE setup/partner_dialog_registration.cpp)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZIRERE_PROGRAM_DIR})
endforeach()
