lx_add_fuzzer(fuzz_update_descriptor SOURCES ${CMAKE_CURRENT_LIST_DIR}/update_descriptor.cpp LIBS lx_panel_core)
