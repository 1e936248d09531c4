/* main.c 1: */
/* main.c 2: */
/* main.c 3: */s = "•\";"
/* main.c 4: */c = '•\';
/* main.c 5: */y
/* main.c 6: */t = "ƒ\\n" L"‚ ";
/* main.c 7: */w = L'‚ ';
/* main.c 8: */
/* main.c 9: */