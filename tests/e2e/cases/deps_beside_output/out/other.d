other.i: other.c
