lx_add_bench(bench_link SOURCES ${CMAKE_CURRENT_LIST_DIR}/link.cpp LIBS lx_link)
