# The UPS configuration dialog built from a 167-key map and the extended
# information dialog from a 92-key map, shown and drawn (offscreen) in the
# program's style and style sheet.
lx_add_bench(bench_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp LIBS lx_panel)
