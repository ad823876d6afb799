lx_add_fuzzer(fuzz_simplecrypt_decrypt SOURCES ${CMAKE_CURRENT_LIST_DIR}/simplecrypt_decrypt.cpp LIBS lx_cipher)
