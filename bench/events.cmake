# The condition language on every keystroke of the advanced event dialog, and its
# description file at every opening (no widgets).
lx_add_bench(bench_events SOURCES ${CMAKE_CURRENT_LIST_DIR}/events.cpp LIBS lx_events_core lx_resources)
