/* main.c 1: */
/* main.c 2: */stdc 1
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */1 __cplusplus
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */