/* {work}/sub/a.c 1: */int a;
/* {work}/sub/a.c 2: */
/* {work}/sub/a.c 3: */