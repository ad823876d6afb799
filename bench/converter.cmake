lx_add_bench(bench_converter SOURCES ${CMAKE_CURRENT_LIST_DIR}/converter.cpp LIBS lx_converter)
