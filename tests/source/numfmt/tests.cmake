# tests of the number format codes
target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BuiltinFormatsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormatDateTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormatDigitsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormatFallbackTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormatFractionTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormatLocaleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormatSectionsTest.cpp)
