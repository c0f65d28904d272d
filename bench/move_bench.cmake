# Orders editor benchmarks on a generated 1 MB turn.
orrery_add_benchmark(move_bench SOURCES move_bench.cpp LIBS orrery_orders orrery_gen)
