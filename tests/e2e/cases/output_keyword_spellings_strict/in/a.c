pascal _cdecl __cdecl __try
