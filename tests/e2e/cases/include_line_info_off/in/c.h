c1
