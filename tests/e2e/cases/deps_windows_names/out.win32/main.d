main.i: main.c \
 Inc\Foo.h

Inc\Foo.h:
