a +\
+ b
c -\
> d
ab\
cd
s = "ab\
cd";
e/\
* comment *\
/f
g +\
= 1 &\
& h |\
| i =\
= j
1\
2
\
  k
