extern int c1;
extern int c2;
extern int c3;
extern int c4;
extern int c5;
extern int c6;
extern int c7;
extern int c8;
extern int c9;
extern int c10;
/* ten
   lines */
extern int last;
