target_sources(quillmere_source PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CsvWorkbook.cpp)
