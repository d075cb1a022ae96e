# tests of the xlsx reader
target_sources(quillmere_source_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DecimalNumberLocaleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GeneratedWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReaderThreadsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxFixturesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxHostileFilesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxNumberFormatsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxPartsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSheetReaderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlScannerTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZipInflateTest.cpp)
# Workbooks too large to commit are written at test time with libzip, and workbooks with number
# formats with libxlsxwriter, as spreadsheet programs save them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(TEST_XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
target_link_libraries(quillmere_source_tests PRIVATE PkgConfig::LIBZIP PkgConfig::TEST_XLSXWRITER)
# Zip bombs of gigabytes are packed by hand with zlib, repeating one deflated block.
pkg_check_modules(TEST_ZLIB REQUIRED IMPORTED_TARGET zlib)
target_link_libraries(quillmere_source_tests PRIVATE PkgConfig::TEST_ZLIB)
