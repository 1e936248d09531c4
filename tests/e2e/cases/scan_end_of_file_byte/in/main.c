a
b c
d
