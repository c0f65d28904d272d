# Transporter planner benchmark: 200 ships for 50 planets over 10 turns.
orrery_add_benchmark(transporter_bench SOURCES transporter_bench.cpp LIBS orrery_orders)
