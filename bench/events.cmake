# The condition language on every keystroke of the advanced event dialog, its
# description file at every opening, and the event dialog on hostile events.
lx_add_bench(bench_events SOURCES ${CMAKE_CURRENT_LIST_DIR}/events.cpp LIBS lx_panel_events lx_events_core lx_resources)
