#define cat(a,b) a##b
#define cat3(a,b,c) a ## b ## c
#define xy found_xy
#define L left
#define xcat(a,b) cat(a,b)
#define pre(x) prefix_##x
#define post(x) x##_suffix
#define OBJ x ## y
cat(x,y) OBJ
cat(1,2) cat(1.,5) cat(0x,1F) cat(1,e3)
cat(L,R) xcat(L,R)
cat3(a,1,b)
cat(,y) cat(x,) cat(,)|
pre(L) post(L)
cat(-,>) cat(+,+) cat(<,<=) cat(|,|)
