#define F(a) a
#define G(a, b) b
F(1/\
*x*/y)
G(x, /\
* c */ y)
F(1/*x*/y)
G(x, /* c */ y)
F(/\
* lead */ z /\
* trail */)
end
