#define R(a,b) a##b
#define Q(a,b) (a##b)
#define F(x) [x]
#define vip1 4
F(R(vip,1)) F(Q(vip, 1)) F(F(R(v,ip1)))
#define OBJ F(vip ## 1)
OBJ
#define SELF R(SE,LF)
F(R(S,ELF)) F(SELF)
#define G(x) x
#define M G(M)
F(M) F(G(R(M,M)))
#define MM 5
F(R(M,M))
