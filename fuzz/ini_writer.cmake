lx_add_fuzzer(ini_writer SOURCES ${CMAKE_CURRENT_LIST_DIR}/ini_writer.cpp LIBS lx_converter)
