target_sources(quillmere_source PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BiffRecordCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellRecordReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CompoundFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FragmentReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RkNumber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsErrors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsSharedStrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsSheetReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsTextDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsWorkbook.cpp)
