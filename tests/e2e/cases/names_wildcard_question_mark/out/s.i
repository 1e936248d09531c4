/* sub/s.cpp 1: */s
/* sub/s.cpp 2: */
/* sub/s.cpp 3: */