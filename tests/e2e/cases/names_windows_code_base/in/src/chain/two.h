#include "THREE.H"
int two_h;
