all.i: a.c \
 a.h

a.h:
