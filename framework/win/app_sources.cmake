# Application, windows, message routing, documents, views, dialogs and modal seams.
target_sources(framework_win PRIVATE ${CMAKE_CURRENT_LIST_DIR}/placeholder.cpp)
