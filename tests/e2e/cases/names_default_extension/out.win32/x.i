/* x.cpp 1: */x 
/* x.cpp 2: */
/* x.cpp 3: */