my\ main.i: my\ main.c \
 sp\ ace.h \
 cost$$.h \
 hash\#.h

sp\ ace.h:

cost$$.h:

hash\#.h:
