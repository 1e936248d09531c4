extern int a1;
extern int a2;
extern int a3;
extern int a4;
extern int a5;
extern int a6;
extern int a7;
extern int a8;
extern int a9;
extern int a10;
/* ten
   lines */
extern int last;
