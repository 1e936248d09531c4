x
#ifndef B
y
