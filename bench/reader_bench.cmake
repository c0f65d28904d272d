# Report reader benchmarks on generated reports. The report writer lives with the test helpers;
# when the tests are not built its folder is added here on its own.
if(NOT TARGET orrery_reportwriter)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_CURRENT_BINARY_DIR}/support)
endif()
orrery_add_benchmark(reader_bench SOURCES reader_bench.cpp LIBS orrery_core orrery_reportwriter)
