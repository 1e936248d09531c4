/* main.c 1: */int old_contents_are_gone;
/* main.c 2: */
/* main.c 3: */int a[3];
/* main.c 4: */
/* main.c 5: */