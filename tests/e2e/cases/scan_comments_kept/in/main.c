  a /* c
	  d */ b // e
	x/*\
*/y \
 z
    /* lead */ w
