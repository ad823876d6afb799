# The stand-in with a fixed scene, for the idle measurement (bench/idle.sh) and scripts/screenshot.
add_executable(lx-scene ${CMAKE_CURRENT_LIST_DIR}/scene.cpp)
target_link_libraries(lx-scene PRIVATE lx_sim)
