lx_add_fuzzer(fuzz_condition_language SOURCES ${CMAKE_CURRENT_LIST_DIR}/condition_language.cpp LIBS lx_events_core)
