x // c
