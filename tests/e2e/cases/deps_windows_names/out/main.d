main.i: main.c \
 inc/foo.h

inc/foo.h:
