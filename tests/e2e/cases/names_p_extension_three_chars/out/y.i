/* y.cxx 1: */y
/* y.cxx 2: */
/* y.cxx 3: */