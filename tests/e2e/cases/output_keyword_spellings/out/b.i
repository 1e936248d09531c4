/* b.cpp 1: */try __try __cdecl __fastcall
/* b.cpp 2: */
/* b.cpp 3: */