a // c \
b // d \
e
c
