add_executable(numfmt_bench ${CMAKE_CURRENT_LIST_DIR}/NumberFormatBench.cpp)
target_link_libraries(numfmt_bench PRIVATE quillmere_source)
