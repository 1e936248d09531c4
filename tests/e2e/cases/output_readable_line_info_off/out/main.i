a
b
