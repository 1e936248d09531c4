#define s(x) #x
#define xs(x) s(x)
#define V value
#define two(a, b) #a|#b
s(a "b" c)
s(   spaced    out	 args   )
s("a")
s('"')
s(V)
xs(V)
s(a
  b)
s( /* comment */ x /* c */ y )
s(f(1, 2))
two( , x)
s(+) s(0x1F) s(a+ +b)
