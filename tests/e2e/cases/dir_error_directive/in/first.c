one
#ifdef NOPE
#error not this one
#endif
#error  two blanks, a \ backslash and "quotes"
never
