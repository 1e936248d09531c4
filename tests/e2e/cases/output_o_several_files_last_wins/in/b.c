b
b2
