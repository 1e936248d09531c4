/* {work}/sub/a.c 1: */int a = 1;
/* {work}/sub/a.c 2: */const char *f = "{work}/sub/a.c";
/* {work}/sub/a.c 3: */
/* {work}/sub/a.c 4: */