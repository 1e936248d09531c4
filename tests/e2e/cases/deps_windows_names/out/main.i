/* main.c 1: */

/* Inc\Foo.h 1: */

/* Inc\Foo.h 2: */
/* Inc\Foo.h 3: */
/* main.c 2: */int x = 1;
/* main.c 3: */
/* main.c 4: */