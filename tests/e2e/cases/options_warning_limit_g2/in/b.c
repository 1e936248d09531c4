y = '\x0041';
x @
not reached @
