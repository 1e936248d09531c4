/* my file.c 1: */a  b
/* my file.c 2: */
/* my file.c 3: */