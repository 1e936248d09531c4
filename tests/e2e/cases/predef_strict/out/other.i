/* other.cpp 1: */
/* other.cpp 2: */stdc 1
/* other.cpp 3: */
/* other.cpp 4: */1 1
/* other.cpp 5: */
/* other.cpp 6: */