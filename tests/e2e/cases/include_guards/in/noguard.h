int before;
#ifndef NOGUARD_H
#define NOGUARD_H
int n;
#endif
