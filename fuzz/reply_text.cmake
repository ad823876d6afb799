lx_add_fuzzer(fuzz_reply_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/reply_text.cpp LIBS lx_cipher)
