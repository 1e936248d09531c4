#ifndef ND
nd_body
#endif
