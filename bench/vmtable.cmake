# The host and VM table's refresh, as the virtual machines tab's one-second poll runs it.
lx_add_bench(bench_vmtable SOURCES ${CMAKE_CURRENT_LIST_DIR}/vmtable.cpp LIBS lx_panel_virtualization)
