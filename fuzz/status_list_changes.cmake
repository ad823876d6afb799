# A sequence of status lists read from their changes, against each read afresh.
lx_add_fuzzer(fuzz_status_list_changes SOURCES ${CMAKE_CURRENT_LIST_DIR}/status_list_changes.cpp LIBS lx_link)
