/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */

/* .\Sub\LongHead.h 1: */

/* .\Sub\LongHead.h 2: */int std_names = 1;
/* .\Sub\LongHead.h 3: */
/* .\Sub\LongHead.h 4: */const char *long_file = ".\\Sub\\LongHead.h";
/* .\Sub\LongHead.h 5: */
/* .\Sub\LongHead.h 6: */
/* main.c 5: */
/* main.c 6: */

/* Sub\Bad.H 1: */
int before;
/* Sub\Bad.H 2: */