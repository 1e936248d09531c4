/* main.c 1: */
/* main.c 2: */

/* inc\Dup.h 1: */
int spelt_Dup_h;
/* inc\Dup.h 2: */
/* inc\Dup.h 3: */
/* main.c 3: */

/* inc\dup.h 1: */
int spelt_dup_h;
/* inc\dup.h 2: */
/* inc\dup.h 3: */
/* main.c 4: */

/* inc\DUP.H 1: */
int spelt_Dup_h;
/* inc\DUP.H 2: */
/* inc\DUP.H 3: */
/* main.c 5: */

/* inc\dUP.h 1: */
int spelt_Dup_h;
/* inc\dUP.h 2: */
/* inc\dUP.h 3: */
/* main.c 6: */

/* INC\TWIN.H 1: */
int spelt_Twin_h_in_Inc;
/* INC\TWIN.H 2: */
/* INC\TWIN.H 3: */
/* main.c 7: */

/* inc\twin.h 1: */
int spelt_twin_h_in_inc;
/* inc\twin.h 2: */
/* inc\twin.h 3: */
/* main.c 8: */

/* inC\Twin.H 1: */
int spelt_Twin_h_in_Inc;
/* inC\Twin.H 2: */
/* inC\Twin.H 3: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */

/* inc\ONLY.H 1: */
int only_h;
/* inc\ONLY.H 2: */
/* inc\ONLY.H 3: */
/* main.c 12: */
/* main.c 13: */
/* main.c 14: */

/* inc/Order.h 1: */
int order_h_in_inc;
/* inc/Order.h 2: */
/* inc/Order.h 3: */
/* main.c 15: */
/* main.c 16: */