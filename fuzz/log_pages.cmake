# Log pages and the event history as the service sends them, decoded with Qt Core alone.
lx_add_fuzzer(fuzz_log_pages SOURCES ${CMAKE_CURRENT_LIST_DIR}/log_pages.cpp LIBS lx_common)
