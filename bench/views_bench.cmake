# Information view benchmarks on a generated 1 MB turn.
orrery_add_benchmark(views_bench SOURCES views_bench.cpp LIBS orrery_views orrery_gen)
