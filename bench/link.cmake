# The poll replies are the ones the reader tests use.
lx_add_bench(bench_link SOURCES ${CMAKE_CURRENT_LIST_DIR}/link.cpp
    ${CMAKE_SOURCE_DIR}/tests/link/pollreplies.cpp LIBS lx_link)
target_include_directories(bench_link PRIVATE ${PROJECT_SOURCE_DIR})
