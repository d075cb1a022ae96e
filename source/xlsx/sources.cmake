target_sources(quillmere_source PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BytesAhead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellElement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecimalNumber.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IsoDate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoryPartSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PartPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PartSource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Relationships.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SheetRowParser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextEscapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WorkbookPart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSharedStrings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSharedStringsLoader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxSheetReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxStyles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XlsxWorkbook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlScanner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlScannerInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlScannerOtherMarkup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XmlStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZipArchive.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZipPartOpener.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ZipPartSource.cpp)

find_package(EXPAT REQUIRED)
find_package(Threads REQUIRED)
# Inflating and the shared strings run on threads of their own inside the reader.
target_link_libraries(quillmere_source PRIVATE PkgConfig::LIBZIP EXPAT::EXPAT)
target_link_libraries(quillmere_source PUBLIC Threads::Threads)
# ISA-L inflates the worksheet and the shared strings several times faster than zlib; without
# it libzip's zlib inflates everything.
pkg_check_modules(ISAL QUIET IMPORTED_TARGET libisal)
if(ISAL_FOUND)
  target_sources(quillmere_source PRIVATE ${CMAKE_CURRENT_LIST_DIR}/IsalInflater.cpp)
  target_link_libraries(quillmere_source PRIVATE PkgConfig::ISAL)
  target_compile_definitions(quillmere_source PUBLIC QUILLMERE_HAVE_ISAL=1)
endif()
# Debian builds expat with DTD support; the define exposes its entity-amplification guard.
target_compile_definitions(quillmere_source PRIVATE XML_DTD)
