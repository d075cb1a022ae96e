# tests of the xlsx reader
target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/XlsxFixturesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxPartsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSheetReaderTest.cpp)
