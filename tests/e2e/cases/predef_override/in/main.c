__FLAT__ NEWMAC [EMPTYDEF] __TLS__
#define __FLAT__ 3
__FLAT__
