# Loading a worksheet: header columns, row count, preview and what is left unread.
target_sources(quillmere_source PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BlockSupply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DataRowWalk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeaderRowGuess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeptRows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowBatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowEmptiness.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RowsAhead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetPreview.cpp)
