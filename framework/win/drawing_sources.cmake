# Geometry, device contexts, drawing objects, the drawer of page plans and controls.
target_sources(framework_win PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gdi_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_plan_drawer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/common_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stripe_list_box.cpp
)
