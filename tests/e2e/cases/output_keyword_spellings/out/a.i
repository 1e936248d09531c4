/* a.c 1: */__cdecl __cdecl __pascal __pascal __fastcall __stdcall __export __import __fortran __try try
/* a.c 2: */
/* a.c 3: */