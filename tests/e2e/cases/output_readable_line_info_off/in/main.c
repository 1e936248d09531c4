a

b
