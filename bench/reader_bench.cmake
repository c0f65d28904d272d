# Report reader benchmarks on generated reports.
orrery_add_benchmark(reader_bench SOURCES reader_bench.cpp LIBS orrery_core orrery_gen)
