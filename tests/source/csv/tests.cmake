target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CsvEncodingTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvFixtureTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvHostileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvLimitsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvSheetReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvTextDecoderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LineDecoderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SeparatorDetectorTest.cpp)
