target_sources(quillmere_source PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FilePartSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsElements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsMeta.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsRowParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsRowOnePass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsSheetList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsSheetReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OdsWorkbook.cpp)
