a
/* open
b
