lx_add_fuzzer(written_ini SOURCES ${CMAKE_CURRENT_LIST_DIR}/written_ini.cpp LIBS lx_converter)
