#define S(x) #x
#define X(x) S(x)
S("a\"b") S("\n") S('\'') S('\\' "\\")
S(a "b\"c" d) S(p\q"r") X(S("\n")) S("\x41\101")
S(__FILE__) __FILE__ S("it's") S('\"')
