/* main.c 1: */
/* main.c 2: */x = 1;
/* main.c 3: */s = "表";
/* main.c 4: */c = '表';
/* main.c 5: *//* ソ */ y
/* main.c 6: */t = "ソ\n" L"あ";
/* main.c 7: */w = L'あ';
/* main.c 8: */
/* main.c 9: */