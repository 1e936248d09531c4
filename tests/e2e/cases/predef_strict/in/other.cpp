#ifdef __STDC__
stdc __STDC__
#endif
__STDC__ __cplusplus
