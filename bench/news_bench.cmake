# News window benchmark on a generated 1 MB turn.
orrery_add_benchmark(news_bench SOURCES news_bench.cpp LIBS orrery_views orrery_gen)
