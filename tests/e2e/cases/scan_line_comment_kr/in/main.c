a // b
c/ /d
