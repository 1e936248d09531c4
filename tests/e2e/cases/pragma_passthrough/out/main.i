/* main.c 1: */
/* main.c 2: */
/* main.c 3: */#pragma  once
/* main.c 4: */#pragma   once
/* main.c 5: */#pragma  pack(4)
/* main.c 6: */#pragma 
/* main.c 7: */#pragma  pack(push, 4)  trailing
/* main.c 8: */
/* main.c 9: */
/* main.c 10: */
/* main.c 11: */
/* main.c 12: */#pragma  anything at all ( ] "string" 'c'
/* main.c 13: */#pragma    indented
/* main.c 14: */#pragma  warn -dup
/* main.c 15: */
/* main.c 16: */#pragma  5
/* main.c 17: */
/* main.c 18: */