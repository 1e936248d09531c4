_cdecl cdecl pascal _pascal _fastcall _stdcall _export _import _fortran __try try
