# Text tool benchmarks on a generated 1 MB report.
orrery_add_benchmark(text_bench SOURCES text_bench.cpp LIBS orrery_core orrery_gen)
