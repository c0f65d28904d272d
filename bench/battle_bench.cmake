# The battle engine: 1000 battles of 300 against 300 ships, and the plain reference engine.
if(TARGET orrery_testsupport)
  orrery_add_benchmark(battle_bench SOURCES battle_bench.cpp LIBS orrery_core orrery_testsupport)
endif()
