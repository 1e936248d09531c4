
  
/* c */
#define B 1
B
