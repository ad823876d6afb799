# The condition language on every keystroke of the advanced event dialog.
lx_add_bench(bench_events SOURCES ${CMAKE_CURRENT_LIST_DIR}/events.cpp LIBS lx_events_core)
