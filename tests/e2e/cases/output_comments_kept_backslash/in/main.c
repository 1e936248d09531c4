a \? b \ c
d\