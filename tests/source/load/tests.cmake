target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DataRowWalkTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeptRowsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowsAheadTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetLoaderTest.cpp)
