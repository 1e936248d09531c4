main.i: main.c \
 one.h \
 two.h

one.h:

two.h:
