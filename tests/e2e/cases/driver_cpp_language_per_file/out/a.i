/* a.cpp 1: */a 
/* a.cpp 2: */
/* a.cpp 3: */