# Building and drawing the statistics chart of a long game (needs Qt Gui for the canvas).
if(TARGET orrery_maprender)
  orrery_add_benchmark(chart_bench SOURCES chart_bench.cpp LIBS orrery_maprender)
endif()
