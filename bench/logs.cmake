# A long parameters log page: decoded alone, and decoded and shown in the log viewer (offscreen).
lx_add_bench(bench_logs SOURCES ${CMAKE_CURRENT_LIST_DIR}/logs.cpp LIBS lx_panel_logs)
