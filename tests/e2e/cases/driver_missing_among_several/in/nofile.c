n
