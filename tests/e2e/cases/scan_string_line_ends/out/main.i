/* main.c 1: */s = "ab"
/* main.c 2: */cd ";"
/* main.c 3: */t = 
/* main.c 4: */"efgh";
/* main.c 5: */u = "ij\\";
/* main.c 6: */v = "kl"