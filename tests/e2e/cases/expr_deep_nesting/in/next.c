#if(2+2==4)
ok
#endif
