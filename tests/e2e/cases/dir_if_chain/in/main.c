#if 0
a
#elif 1
b
#elif 1
c
#else
d
#endif
#if 1
e
#else
f
#else
g
#endif
#if 0
h
#else
i
#endif
#ifdef NOPE
#if garbage that is never evaluated (((
#elif more garbage
#endif
#elif 0
j
#elif 1
k
#endif
#if 0
#if 1
#else
#endif
#endif
end
