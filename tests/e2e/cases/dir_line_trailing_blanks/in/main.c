#line 20 "x.c" /* trailing comment */
line
#line 40 "y.c"   
next
