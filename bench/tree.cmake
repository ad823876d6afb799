# The device tree's rebuild from a long model list, in the real main window (offscreen).
lx_add_bench(bench_tree SOURCES ${CMAKE_CURRENT_LIST_DIR}/tree.cpp LIBS lx_panel)
