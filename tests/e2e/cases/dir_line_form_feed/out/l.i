/* l.c 1: */
/* l.c 20: */form feed before the number
/* l.c 21: */
/* v.c 30: */vertical tab before it, form feed before the name
/* v.c 31: */
/* w.c 40: */blanks after the name
/* w.c 41: */end
/* w.c 42: */
/* w.c 43: */