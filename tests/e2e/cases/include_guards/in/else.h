#ifndef ELSE_H
#define ELSE_H
int e;
#else
int e2;
#endif
