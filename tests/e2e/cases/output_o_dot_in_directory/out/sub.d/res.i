/* sub.d/x.cpp 1: */x
/* sub.d/x.cpp 2: */
/* sub.d/x.cpp 3: */