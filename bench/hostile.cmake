# Hostile replies of growing size: time and peak memory of the receive path.
add_executable(bench_hostile ${CMAKE_CURRENT_LIST_DIR}/hostile.cpp)
target_link_libraries(bench_hostile PRIVATE lx_link)
