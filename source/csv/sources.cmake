target_sources(quillmere_source PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AsciiText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvSheetReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvTextDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CsvWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LineDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SeparatorDetector.cpp)
