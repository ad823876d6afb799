lx_add_fuzzer(fuzz_link_receive SOURCES ${CMAKE_CURRENT_LIST_DIR}/link_receive.cpp LIBS lx_link)
