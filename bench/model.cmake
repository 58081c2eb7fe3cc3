# Project model benchmarks; included from bench/CMakeLists.txt.
add_executable(project_bench ${CMAKE_CURRENT_LIST_DIR}/project_bench.cpp)
target_link_libraries(project_bench PRIVATE hl_model benchmark::benchmark)
