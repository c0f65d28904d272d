# The main window over a generated game, offscreen (needs the desktop program's libraries).
if(TARGET orrery_ui)
  if(NOT TARGET orrery_reportwriter)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_CURRENT_BINARY_DIR}/support)
  endif()
  orrery_add_benchmark(mainwindow_bench SOURCES mainwindow_bench.cpp LIBS orrery_ui orrery_reportwriter)
endif()
