target_sources(quillmere_source PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BestFraction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BuiltinFormats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateSectionBuilder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateTimeRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecimalDigits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecimalPartWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DigitSectionBuilder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FractionRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberRenderer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionBuilder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionChoice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionLexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SectionSplitter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SerialDate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WholePartWriter.cpp)
