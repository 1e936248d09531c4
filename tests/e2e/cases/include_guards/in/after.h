#ifndef AFTER_H
#define AFTER_H
int a;
#endif
#define AFTER_TOO
