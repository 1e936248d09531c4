#ifdef __STDC__
stdc __STDC__
#endif
#define __STDC__ 2
#undef __STDC__
__STDC__ __cplusplus
#ifdef __cplusplus
never
#endif
