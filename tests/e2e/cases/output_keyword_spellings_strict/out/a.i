/* a.c 1: */pascal _cdecl __cdecl __try
/* a.c 2: */
/* a.c 3: */