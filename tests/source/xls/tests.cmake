target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CompoundFileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RkNumberTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsHostileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsNumberFormatsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsSharedStringsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsTextDecoderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsWorkbookTest.cpp)
