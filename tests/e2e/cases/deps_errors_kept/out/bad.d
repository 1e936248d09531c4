bad.i: bad.c \
 h.h

h.h:
