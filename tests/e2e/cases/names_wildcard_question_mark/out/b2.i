/* b2.cpp 1: */b2
/* b2.cpp 2: */
/* b2.cpp 3: */