# Session benchmarks on generated multi-turn games.
orrery_add_benchmark(session_bench SOURCES session_bench.cpp LIBS orrery_core orrery_gen)
