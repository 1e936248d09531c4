a @
b @
c
