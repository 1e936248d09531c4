result.pp: main.c
