abcdefghij abcdefghXY abcdefg abc\
defghijk
