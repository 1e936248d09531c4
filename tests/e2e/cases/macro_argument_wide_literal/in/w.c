#define E e
#define I(m) m
#define S(m) m # m
I(L"x") E I(L'x') E I(I(L"x")) E
S(L"x") E S(a L"x") E S(L'"') E
#define L2 L"y" E
L2 E I(L2) E
