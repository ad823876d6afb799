# Every kind of hostile reply at growing sizes, each in a fresh process: time and
# peak memory, link replies through lx_link and the panel's dialogs and tables
# shown offscreen (a benchmark may link widgets; the link never does).
add_executable(bench_hostile ${CMAKE_CURRENT_LIST_DIR}/hostile.cpp ${CMAKE_CURRENT_LIST_DIR}/hostilelink.cpp
    ${CMAKE_CURRENT_LIST_DIR}/hostilewidgets.cpp)
target_link_libraries(bench_hostile PRIVATE lx_panel)
