x @
y = '\x0041';
z = '\x0042';
not reached @
