#define I(x) x
#define F oops
#define f OOPS
I(.5F) I(.5f) I(1.5F) I(.5e3F) I(.5L) I(x.5f) I(I(.25F))
#define G(F) .5F 1.F F
G(x)
#define B .75F
I(B) I(I(B))
