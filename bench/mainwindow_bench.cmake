# The main window over a generated game, offscreen (needs the desktop program's libraries).
if(TARGET orrery_ui)
  orrery_add_benchmark(mainwindow_bench SOURCES mainwindow_bench.cpp LIBS orrery_ui orrery_gen)
endif()
