/* {work}/sub/a.c 1: */int a = 1;
/* {work}/sub/a.c 2: */
/* {work}/sub/a.c 3: */