main.i: main.c \
 h.h

h.h:
