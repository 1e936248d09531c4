/* Macro texts that end in a name, a number or an operator, read on into what follows the
   use, into a parameter, a paste or a no-expand mark; hexadecimal constants of every length. */
#define N name
#define D 42
#define Z 0
#define H 0x1f
#define H8 0xFFFFFFFF
#define H9 0x123456789
#define HS 0x1fu
#define HL 0x1L
#define HE 0x1e
#define OP2 ->
#define OP1 -
#define SH <<
#define DOT .
N D Z H H8 H9 HS HL HE; N(1) D(2) H(3) N;D;H;N.N D.D H.H
N+D-H*H8/H9%HS OP2 N OP1 D SH H DOT N
x OP2* y OP1= z SH= w OP2 OP1 OP1 OP2 SH SH DOT* DOT DOT DOT
#define CAT(a, b) a##b
#define CAT3(a, b, c) a##b##c
CAT(N, D) CAT(H, 1) CAT(D, H) CAT(OP2, *) CAT(SH, =) CAT(Z, x1) CAT(N, ) CAT(, D)
CAT3(0x, 1, f) CAT3(0, x, g) CAT3(N, Z, D) CAT3(OP1, , >)
#define P(a) a
#define Q(a) x a y
#define R(a) [a]
#define S(a, b) a b a
P(N)P(D)P(H) Q(N) Q(0x10) R(->) R(0xABCDEF01) S(N, D) S(H, N) S(->, *) S(0x, 1)
#define ADJ(a) N/**/a
#define ADJ2(a) D/**/a
#define ADJ3(a) H/**/a
#define ADJ4(a) OP2/**/a
#define ADJ5(a) a/**/N
ADJ(z) ADJ(1) ADJ2(5) ADJ2(x) ADJ3(7) ADJ3(g) ADJ4(*p) ADJ4(x) ADJ5(q) ADJ5(0x1)
#define foo foo bar
#define f(x) f(x) + x
#define g(x) x
#define h(x) g(x) g(x)
g(foo) g(f(1)) g(foo->x) g(a->foo) g(p->)foo g(0x1 foo) g(foo 0x2) h(foo) h(f(foo))
#define ARROW(p) p->
#define SHL(p) p<<
ARROW(q)foo ARROW(q)*r ARROW(q)N SHL(1)=2 SHL(1)D SHL(N)H
#define E1 name_ending_in_a_long_tail_of_more_than_sixteen_bytes
#define E2 0x0
E1 E2 E1;E2;E1(E2)
0x0 0X1F 0xffffffff 0x7FFFFFFF 0x100000000 0xABCDEFab 0x1fu 0x1L 0x1e5 0x 0xg 0x1.5
0x12345678 0x123456789 0x00000000f 0x1F+0x2f-0X3F 0x1f;0x2f,0x3f)0x4f(0x5f 0x6f
#define PASTE1(a) name##a
#define PASTE2(a) 12##a
#define PASTE3(a) 0x1f##a
#define PASTE4 x##y 12##34 0x##ff ->##* <<##=
#define NX(a) a##name a##12 a##0x1
#define STR3(a) x#a 12#a 0x1#a ->#a
PASTE1(1) PASTE1(x) PASTE2(3) PASTE2(x) PASTE3(u) PASTE3(2) PASTE4 NX(q) NX(0x) NX()
STR3(y) STR3(N) STR3(->)
