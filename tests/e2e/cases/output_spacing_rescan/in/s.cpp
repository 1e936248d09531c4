#define SLASH /
#define STAR *
#define DOT .
#define ID(x) x
#define ONE 1
int a = b SLASH*p; int a2 = b SLASH STAR p; int a3 = b/ID(*)p; int a4 = b ID(/)ID(*=)p;
int e = f ID(/)ID(/)g; int e2 = f ID(/)ID(/=)g;
double h = ID(.)ID(5); x = ID(.)ID(.)ID(.); y = ID(.)ID(.*); z = ID(.)ID(...);
int j = ID(1)ID(u); int j2 = ID(1)ID(L); int j3 = ID(1)ID(i64); int j4 = ID(1)ID(e5);
int j5 = ID(0)ID(x1F); int j6 = ID(0x1)ID(e); int j7 = ID(0x1)ID(g); int j8 = ID(1u)ID(l);
double k = ONE.5; double k2 = ID(1.5)ID(f); double k3 = ID(1.)ID(e5); double k4 = ID(1.5e3)ID(e);
int m = ID(1)ID(2); int m2 = ID(1)ID(x); int m3 = ID(1)ID(_y); int m4 = ID(12)ID(if);
int n = ID(1)ID(L'a'); char *s = ID(1)L"w"; int q = ID(1)(2); int r = ID(1)DOT ID(2);
int t = ID(a)ID(b) ID(-)ID(>) ID(+)ID(+) ID(<)ID(<=) ID(:)ID(:);
