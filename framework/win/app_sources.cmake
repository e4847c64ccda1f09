# Application, windows, message routing, documents, views, dialogs and modal seams.
target_sources(framework_win PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app_instance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cmd_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cmd_ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line_info.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/doc_template.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exception_boundary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frame_wnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/modal_seam.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recent_file_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scroll_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_open.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_app.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wnd.cpp
)
