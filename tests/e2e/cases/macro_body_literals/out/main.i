/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */"#x" '#' 1 "x" 2 3 + 1
/* main.c 8: */"été" "ÿþ" "\"é\""
/* main.c 9: */
/* main.c 10: */