try __try _cdecl __fastcall
