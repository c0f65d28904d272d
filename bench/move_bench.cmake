# Orders editor benchmarks on a generated 1 MB turn. The galaxy generator lives with the test
# helpers; when the tests are not built its folder is added here on its own.
if(NOT TARGET orrery_reportwriter AND NOT TARGET orrery_testsupport
   AND EXISTS ${PROJECT_SOURCE_DIR}/tests/support/galaxygen.cpp)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${CMAKE_CURRENT_BINARY_DIR}/support)
endif()
if(TARGET orrery_reportwriter)
  orrery_add_benchmark(move_bench SOURCES move_bench.cpp LIBS orrery_orders orrery_reportwriter)
else()
  message(STATUS "move_bench skipped: the galaxy generator (tests/support) is not there")
endif()
