a \
  b
\
  c
