/* main.c 1: */
/* x.c 20: */line
/* x.c 21: */
/* y.c 40: */next
/* y.c 41: */
/* y.c 42: */