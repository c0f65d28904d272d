# Session benchmarks on generated multi-turn games (the report writer lives with the test helpers).
if(NOT TARGET orrery_reportwriter)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_CURRENT_BINARY_DIR}/support)
endif()
orrery_add_benchmark(session_bench SOURCES session_bench.cpp LIBS orrery_core orrery_reportwriter)
