extern int b1;
extern int b2;
extern int b3;
extern int b4;
extern int b5;
extern int b6;
extern int b7;
extern int b8;
extern int b9;
extern int b10;
/* ten
   lines */
extern int last;
