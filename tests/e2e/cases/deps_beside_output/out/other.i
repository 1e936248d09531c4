/* other.c 1: */int o;
/* other.c 2: */
/* other.c 3: */