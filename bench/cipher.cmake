lx_add_bench(bench_cipher SOURCES ${CMAKE_CURRENT_LIST_DIR}/cipher.cpp LIBS lx_cipher)
