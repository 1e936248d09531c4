b2
