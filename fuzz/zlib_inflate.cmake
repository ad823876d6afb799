find_package(ZLIB REQUIRED)
lx_add_fuzzer(fuzz_zlib_inflate SOURCES ${CMAKE_CURRENT_LIST_DIR}/zlib_inflate.cpp LIBS lx_cipher ZLIB::ZLIB)
