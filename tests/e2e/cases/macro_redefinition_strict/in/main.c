#define F(x) x
#define F(x) x
#define F(y) y
#define G(a, b) a b
#define G(b, a) a b
#define H() h
#define H() h
F(1) G(2,3) H()
