a // x \
b // y \
c
d // \ not at the end
e
