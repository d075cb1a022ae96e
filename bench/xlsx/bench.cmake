add_executable(xlsx_read_bench ${CMAKE_CURRENT_LIST_DIR}/XlsxReadBench.cpp)
find_package(EXPAT REQUIRED)
target_link_libraries(xlsx_read_bench PRIVATE quillmere_source PkgConfig::LIBZIP EXPAT::EXPAT)
