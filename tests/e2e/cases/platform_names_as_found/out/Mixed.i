/* Mixed.h 1: */M
/* Mixed.h 2: */
/* Mixed.h 3: */