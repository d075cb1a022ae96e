# tests of the OpenDocument reader
target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/OdsHostileFilesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsSheetReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsWorkbookTest.cpp)
