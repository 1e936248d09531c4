a
  b c
