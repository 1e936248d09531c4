s
