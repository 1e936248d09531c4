#define Q(x) "#x" '#' x
#define R(x) "x" x
#define C(x) x /* it's */ + 1 // trailing
#define HI "été"
#define ID(x) x
#define S(x) #x
Q(1) R(2) C(3)
HI ID("ÿþ") S("é")
