/* other.c 1: */alone
/* other.c 2: */
/* other.c 3: */

/*
File: other.c  Total lines compiled: 3

*/
