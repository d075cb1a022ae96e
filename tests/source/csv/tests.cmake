# tests of the csv reader
