lx_add_fuzzer(fuzz_converter_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/fuzz_converter_reader.cpp LIBS lx_converter)
