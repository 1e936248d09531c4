# define X 1
#
#   /* null with a comment */
/* c */ #define Y 2
  /* two */ /* comments */ # define Z 3
X Y Z
#definex X Y
#DEFINE Q 1
#! shebang-like
Q
x # y
