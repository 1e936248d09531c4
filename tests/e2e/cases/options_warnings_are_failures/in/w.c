a // c \
b
c
