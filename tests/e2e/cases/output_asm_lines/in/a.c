__asm push ebx // save
#if 0
hidden
#endif
__asm pop ebx}
int z;
__asm {
  mov eax, 1
}
#define A __asm mov eax, 1
A
int w;
#ifdef X
#else
_asm nop
#endif
int v;
