a

  b
