# Painting the star map of a large generated galaxy (needs Qt Gui for the renderer).
if(TARGET orrery_maprender)
  orrery_add_benchmark(map_bench SOURCES map_bench.cpp LIBS orrery_maprender)
endif()
