a // b
