#define A 1
#define A 1
#define A  1
#define A	1 /* comment */
#define B x y
#define B x  y
#define B x/**/y
#define B xy
#define A 2
#define F(x) x
#define F(y) y
#define F( x ) x
#define F(x) (x)
#define G
#define G()
#define O(x) x
#define O (x) x
#define S "a  b"
#define S "a b"
A B F(3) G O S
