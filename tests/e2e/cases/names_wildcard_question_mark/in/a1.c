a1
