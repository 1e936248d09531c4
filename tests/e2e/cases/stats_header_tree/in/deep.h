d1
