#ifndef C
#define C
#endif /* c */ // line comment

   
/* block */
