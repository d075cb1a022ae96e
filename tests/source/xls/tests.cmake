# tests of the xls reader
