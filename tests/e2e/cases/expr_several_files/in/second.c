#if(1/0)
b
#endif
