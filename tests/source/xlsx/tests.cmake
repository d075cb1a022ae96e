# tests of the xlsx reader
