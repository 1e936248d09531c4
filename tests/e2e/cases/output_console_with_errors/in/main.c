a @ b
c
