/* leading comment */
#ifndef GUARD_H
#define GUARD_H
#define G_VALUE 42
int g;
#endif

/* trailing
   comment */
