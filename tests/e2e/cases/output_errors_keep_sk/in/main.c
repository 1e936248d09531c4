a
b @ c
d
