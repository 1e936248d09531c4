int before;
#if 0
#ifdef Z
??=
#error not reached
#if 0
û odd
  "a string with # inside"

a /* comment # */ b
#else
  # elif 1
plain text of a skipped line
#if 0
  "a string with # inside"
  "a string with # inside"
# pragma nothing
# pragma nothing
plain text of a skipped line
'c' and more
  "a string with # inside"
tail \
continued
'c' and more
  "a string with # inside"
   
plain text of a skipped line
#if 0
# pragma nothing
	#  define NOT_SEEN 1
tail \
continued
#ifdef Z
	#  define NOT_SEEN 1

#endif
  "a string with # inside"
#endif
  indented ; code(x) = 1;
plain text of a skipped line
   
#else

  # elif 1
#if 0
#error not reached
#ifdef Z
# define V 1
#if 0
#endif
#endif
a\
b
# define V 1
tail \
continued
#if 0
'c' and more
#endif
# pragma nothing
x // line comment
tail \
continued
tail \
continued
	#  define NOT_SEEN 1
??=
#endif
??=
	#  define NOT_SEEN 1
  indented ; code(x) = 1;
??=
x // line comment
û odd
# pragma nothing
û odd
#endif
'c' and more
??=
û odd
# define V 1
#if 0
# pragma nothing
#if 0
# pragma nothing
#ifdef Z
#endif
#endif
#endif
tail \
continued
   
# define V 1
#else
û odd
continued
	#  define NOT_SEEN 1
x // line comment
	#  define NOT_SEEN 1
#error not reached
a\
b

#endif
a\
b
continued
  # elif 1
#endif
continued
#if 0
#endif

û odd
??=

#error not reached

# pragma nothing
'c' and more
tail \
continued
??=
  "a string with # inside"
tail \
continued
??=
'c' and more
#if 0
a /* comment # */ b
û odd
#endif
  "a string with # inside"
# pragma nothing
continued
'c' and more
#if 0

/* multi
** line
*/ after
#ifdef Z
  # elif 1
a /* comment # */ b
plain text of a skipped line
   
#if 0
#error not reached
  indented ; code(x) = 1;
# define V 1
#else
  # elif 1

#if 0
  # elif 1
#if 0
  "a string with # inside"
  # elif 1
'c' and more
#ifdef Z

   
continued
continued
#if 0
a /* comment # */ b
tail \
continued
#error not reached
   
#ifdef Z
??=
#endif
#if 0
continued
#endif
# pragma nothing
plain text of a skipped line
/* multi
** line
*/ after
#ifdef Z
a /* comment # */ b
  indented ; code(x) = 1;
   
#endif
a /* comment # */ b
  indented ; code(x) = 1;
#endif
# pragma nothing
tail \
continued
#ifdef Z
#endif
plain text of a skipped line
tail \
continued
#else
#ifdef Z
??=
#if 0

  indented ; code(x) = 1;
x // line comment
/* multi
** line
*/ after
# define V 1
plain text of a skipped line
a\
b
#ifdef Z
   
   
tail \
continued
a\
b
tail \
continued
#error not reached
  # elif 1
û odd
tail \
continued
  "a string with # inside"
#error not reached
continued
#if 0
	#  define NOT_SEEN 1
x // line comment
	#  define NOT_SEEN 1
continued
	#  define NOT_SEEN 1
#error not reached
  indented ; code(x) = 1;
# define V 1
#ifdef Z
#error not reached
tail \
continued
# pragma nothing
#ifdef Z
#if 0
	#  define NOT_SEEN 1
  indented ; code(x) = 1;
/* multi
** line
*/ after
   
x // line comment
  # elif 1
??=
#ifdef Z
plain text of a skipped line
	#  define NOT_SEEN 1
/* multi
** line
*/ after
#ifdef Z
#endif
û odd
  indented ; code(x) = 1;
#error not reached
# pragma nothing
#else
x // line comment
#else
x // line comment
#endif
a /* comment # */ b
#if 0
  "a string with # inside"
#error not reached
û odd
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
#endif
a /* comment # */ b
#if 0
continued
#endif
#else
  indented ; code(x) = 1;
#if 0
??=
	#  define NOT_SEEN 1
'c' and more
#error not reached

tail \
continued
#ifdef Z
   
# pragma nothing
û odd
û odd

  # elif 1
??=
   
# define V 1
  indented ; code(x) = 1;
'c' and more
  indented ; code(x) = 1;
#endif
plain text of a skipped line
#endif
#ifdef Z
continued
#if 0
'c' and more
û odd
	#  define NOT_SEEN 1
   
# pragma nothing
# define V 1
  "a string with # inside"
/* multi
** line
*/ after
a /* comment # */ b
#endif

continued
#error not reached
/* multi
** line
*/ after
#if 0
# pragma nothing
/* multi
** line
*/ after
continued
#if 0
??=
  indented ; code(x) = 1;
#error not reached
  # elif 1
/* multi
** line
*/ after
	#  define NOT_SEEN 1
#error not reached
/* multi
** line
*/ after
tail \
continued
#if 0
tail \
continued
??=
  "a string with # inside"
  "a string with # inside"
  indented ; code(x) = 1;
??=
plain text of a skipped line
  indented ; code(x) = 1;
a\
b
  "a string with # inside"
  indented ; code(x) = 1;
# define V 1
a /* comment # */ b
	#  define NOT_SEEN 1
  indented ; code(x) = 1;
û odd
#endif
  indented ; code(x) = 1;
x // line comment
#if 0
û odd
  indented ; code(x) = 1;
  "a string with # inside"
'c' and more
	#  define NOT_SEEN 1
# define V 1
#else
#ifdef Z
??=
#ifdef Z
#if 0
#endif
  # elif 1
#endif
??=
a\
b
#error not reached
a /* comment # */ b
# pragma nothing
#endif
a\
b
   
# pragma nothing
#else
#endif
#error not reached
#if 0
x // line comment
#endif
  indented ; code(x) = 1;
tail \
continued
# define V 1
#if 0
   
tail \
continued
  # elif 1
#if 0
#error not reached
??=
#error not reached
x // line comment
   
continued
tail \
continued
# pragma nothing
#endif
tail \
continued
	#  define NOT_SEEN 1
plain text of a skipped line
  indented ; code(x) = 1;

x // line comment
a /* comment # */ b
# pragma nothing
'c' and more

  "a string with # inside"
??=
x // line comment
û odd
#if 0
#if 0
continued
#if 0
#if 0
  "a string with # inside"
  indented ; code(x) = 1;
#else
#endif
# define V 1
#if 0
'c' and more
  indented ; code(x) = 1;
#endif
   
'c' and more
x // line comment
tail \
continued
a\
b

a /* comment # */ b
#ifdef Z
   
# pragma nothing
a /* comment # */ b
   
# define V 1
   
a\
b
'c' and more
#endif
#else
'c' and more
#error not reached
# define V 1
   
continued
#ifdef Z
#endif
#endif
#else
#if 0
#else
#if 0
  # elif 1
/* multi
** line
*/ after
a\
b
tail \
continued
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
#ifdef Z
tail \
continued
x // line comment
	#  define NOT_SEEN 1
a\
b
/* multi
** line
*/ after
tail \
continued
#error not reached
#endif
# define V 1
continued
   
/* multi
** line
*/ after
   
  "a string with # inside"
/* multi
** line
*/ after
#ifdef Z
   
# define V 1
a /* comment # */ b
'c' and more
tail \
continued
#ifdef Z
  "a string with # inside"
û odd
a\
b
a /* comment # */ b
  # elif 1
#if 0
#if 0
#endif
tail \
continued
x // line comment
#ifdef Z
  "a string with # inside"
plain text of a skipped line
# define V 1
  # elif 1
#if 0
continued
û odd
??=
  indented ; code(x) = 1;
# pragma nothing
continued
#if 0
a /* comment # */ b
# define V 1
'c' and more
# define V 1
continued

  # elif 1
??=
a\
b
#error not reached

	#  define NOT_SEEN 1
'c' and more

#if 0
a /* comment # */ b
#else
   
# define V 1
# pragma nothing
#endif
continued
#endif
plain text of a skipped line
#endif
a\
b
continued
# pragma nothing
#endif
  # elif 1
tail \
continued
continued
#endif
  indented ; code(x) = 1;
#if 0
x // line comment
# pragma nothing
# define V 1
#if 0
#else
a /* comment # */ b
#if 0
# pragma nothing
plain text of a skipped line

plain text of a skipped line
#else
   
  indented ; code(x) = 1;
'c' and more
plain text of a skipped line
#endif
x // line comment
#endif
  indented ; code(x) = 1;
   
  # elif 1
'c' and more
#if 0
#if 0
plain text of a skipped line
continued
tail \
continued
#if 0

   
'c' and more
# pragma nothing

plain text of a skipped line
a\
b
a\
b
	#  define NOT_SEEN 1
/* multi
** line
*/ after
   
#if 0
'c' and more
??=
continued
# pragma nothing
a /* comment # */ b

plain text of a skipped line
#if 0
x // line comment
a\
b
continued
# pragma nothing
#endif
tail \
continued
# define V 1


#else
a /* comment # */ b
x // line comment
#else
??=
# pragma nothing
#endif
plain text of a skipped line
a\
b
#if 0
#endif
tail \
continued
#endif
  indented ; code(x) = 1;

#else
#if 0
# define V 1

#error not reached
   
  "a string with # inside"
û odd
  indented ; code(x) = 1;
#endif
# define V 1
#else
#if 0
#if 0
	#  define NOT_SEEN 1
plain text of a skipped line
  # elif 1
  indented ; code(x) = 1;
??=
# define V 1
# pragma nothing
continued
x // line comment
# pragma nothing
x // line comment
plain text of a skipped line
   
û odd
#error not reached
  # elif 1
  "a string with # inside"
  # elif 1
??=
#else
plain text of a skipped line
  indented ; code(x) = 1;
/* multi
** line
*/ after
û odd
plain text of a skipped line
# define V 1
??=
#ifdef Z
#else
#error not reached
??=
  indented ; code(x) = 1;
#error not reached
tail \
continued
û odd
# define V 1
a\
b
x // line comment
tail \
continued
plain text of a skipped line
#endif
#if 0
# pragma nothing
x // line comment
#ifdef Z
#if 0
# pragma nothing
	#  define NOT_SEEN 1
#if 0
  "a string with # inside"
# pragma nothing
  "a string with # inside"
  # elif 1
plain text of a skipped line
#if 0
  # elif 1
#endif
#else
/* multi
** line
*/ after
  "a string with # inside"
#else
continued
#ifdef Z
'c' and more
#if 0
#endif
#endif
# define V 1
continued
# define V 1
a\
b
  indented ; code(x) = 1;
  "a string with # inside"
??=
# define V 1
continued
tail \
continued
tail \
continued
#if 0
	#  define NOT_SEEN 1
tail \
continued
  "a string with # inside"
# define V 1
# define V 1
#if 0
a /* comment # */ b
plain text of a skipped line
û odd
/* multi
** line
*/ after
#endif

#if 0
# define V 1
a\
b
# define V 1
	#  define NOT_SEEN 1
#if 0
x // line comment
#else
#if 0
'c' and more
   
'c' and more
#error not reached
# pragma nothing
  indented ; code(x) = 1;
tail \
continued
#else
tail \
continued
??=
#if 0
   
# pragma nothing
#if 0
#if 0
# pragma nothing
  "a string with # inside"
??=
x // line comment
/* multi
** line
*/ after
  "a string with # inside"
# define V 1
  # elif 1
û odd
#error not reached
#else
'c' and more
continued
û odd
#endif
#ifdef Z
  indented ; code(x) = 1;
# pragma nothing
tail \
continued

tail \
continued
a\
b
plain text of a skipped line
  "a string with # inside"
#if 0
#if 0
continued
#error not reached
  "a string with # inside"
û odd
#else
a\
b

a /* comment # */ b
#endif
??=
  "a string with # inside"
#endif
/* multi
** line
*/ after
   
   
û odd
û odd
plain text of a skipped line
/* multi
** line
*/ after
a /* comment # */ b
??=
#if 0
a /* comment # */ b

/* multi
** line
*/ after
??=
x // line comment
# pragma nothing
  indented ; code(x) = 1;
plain text of a skipped line
a\
b
# define V 1
#if 0
#endif
tail \
continued
plain text of a skipped line
#ifdef Z
plain text of a skipped line
#endif
	#  define NOT_SEEN 1
'c' and more
#else
	#  define NOT_SEEN 1
a /* comment # */ b
plain text of a skipped line
#if 0
tail \
continued
??=
   
a\
b
   
'c' and more
   
# pragma nothing
plain text of a skipped line
#if 0
#error not reached
a\
b
a /* comment # */ b
#if 0
??=
'c' and more
  # elif 1
#error not reached
'c' and more

#error not reached

û odd
  "a string with # inside"
#else
#error not reached
# define V 1
#error not reached
continued
#endif

  indented ; code(x) = 1;
a\
b
x // line comment
continued
  "a string with # inside"
#if 0
plain text of a skipped line
#endif
# define V 1
a\
b
a /* comment # */ b
/* multi
** line
*/ after
û odd
# define V 1
??=
#if 0
continued
a\
b
tail \
continued
#endif
a\
b
  indented ; code(x) = 1;
#endif
'c' and more
tail \
continued
#if 0
#ifdef Z
  # elif 1
/* multi
** line
*/ after
#endif
tail \
continued
  # elif 1
	#  define NOT_SEEN 1
tail \
continued
# define V 1

	#  define NOT_SEEN 1
'c' and more
/* multi
** line
*/ after
# define V 1
continued
#endif
  indented ; code(x) = 1;
#error not reached
#ifdef Z
tail \
continued
x // line comment
#endif
#endif
#endif
#if 0
#ifdef Z
#if 0
# pragma nothing
#if 0
  indented ; code(x) = 1;

#ifdef Z
  "a string with # inside"
#if 0
??=
  indented ; code(x) = 1;
  # elif 1
	#  define NOT_SEEN 1
tail \
continued
tail \
continued
/* multi
** line
*/ after
a /* comment # */ b
#if 0
tail \
continued
#error not reached
#endif
#if 0
  indented ; code(x) = 1;

continued
# define V 1
x // line comment
continued
   
#if 0
# pragma nothing
??=

  "a string with # inside"
#if 0
/* multi
** line
*/ after
   
x // line comment
#ifdef Z
#if 0
# define V 1
   
'c' and more
/* multi
** line
*/ after
   
#error not reached
  # elif 1
# define V 1
# define V 1
continued
  "a string with # inside"
  indented ; code(x) = 1;
#endif
x // line comment
#endif
  indented ; code(x) = 1;
continued
a /* comment # */ b
#if 0
  indented ; code(x) = 1;
a\
b
# define V 1
# define V 1
	#  define NOT_SEEN 1
a\
b
continued
#if 0
a\
b
tail \
continued
   
a /* comment # */ b
plain text of a skipped line
#endif
  indented ; code(x) = 1;
   
tail \
continued
  indented ; code(x) = 1;
plain text of a skipped line
# pragma nothing
??=
a /* comment # */ b

#ifdef Z
plain text of a skipped line
  # elif 1
#endif

x // line comment
  # elif 1
#if 0
/* multi
** line
*/ after
plain text of a skipped line
a /* comment # */ b
  # elif 1
	#  define NOT_SEEN 1
a /* comment # */ b
   
tail \
continued
'c' and more
# define V 1
a /* comment # */ b
û odd
#error not reached
	#  define NOT_SEEN 1
  # elif 1
#else
/* multi
** line
*/ after
??=
  # elif 1
#endif
tail \
continued
#else
#ifdef Z
û odd
   
#endif
# pragma nothing
#if 0
??=
#ifdef Z
#endif
tail \
continued
'c' and more
#error not reached
x // line comment
x // line comment
û odd
tail \
continued
#ifdef Z
plain text of a skipped line
x // line comment
#if 0
	#  define NOT_SEEN 1
   
# pragma nothing
/* multi
** line
*/ after
??=
#else
a\
b
#ifdef Z
'c' and more
continued

#ifdef Z
   
  # elif 1
tail \
continued
#if 0
#endif
a\
b
#endif
#if 0
a /* comment # */ b
#error not reached
# pragma nothing
# define V 1
û odd
#else
/* multi
** line
*/ after
# pragma nothing
#endif
# define V 1
a\
b
#if 0
  "a string with # inside"
a\
b
continued
#else
#error not reached
  "a string with # inside"
#endif
/* multi
** line
*/ after
#else
  indented ; code(x) = 1;
plain text of a skipped line
  indented ; code(x) = 1;
'c' and more
x // line comment
a /* comment # */ b
#if 0
  # elif 1
#endif
continued
x // line comment

plain text of a skipped line
# define V 1
a /* comment # */ b
tail \
continued

tail \
continued
û odd
x // line comment
#else
  indented ; code(x) = 1;
/* multi
** line
*/ after
# define V 1
#if 0
a\
b
#else
continued
  "a string with # inside"
#if 0
   
# define V 1
#endif
??=
# define V 1
continued
#else
# pragma nothing

x // line comment
#if 0
#endif
#if 0
tail \
continued
# define V 1
#endif
a /* comment # */ b
# define V 1
  # elif 1
û odd
#endif
/* multi
** line
*/ after
/* multi
** line
*/ after
/* multi
** line
*/ after
#endif
'c' and more
#error not reached
plain text of a skipped line
#ifdef Z
#if 0
/* multi
** line
*/ after
#if 0
#else
continued
x // line comment
a /* comment # */ b
#endif
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
#error not reached
  indented ; code(x) = 1;
  indented ; code(x) = 1;
  indented ; code(x) = 1;
#if 0
'c' and more
a /* comment # */ b
a\
b
  "a string with # inside"
#if 0
  # elif 1
#if 0

# define V 1
tail \
continued
#if 0
/* multi
** line
*/ after

	#  define NOT_SEEN 1
/* multi
** line
*/ after
û odd
tail \
continued
??=

  "a string with # inside"
   

#if 0
a /* comment # */ b
a\
b
continued
# define V 1
??=
a\
b
/* multi
** line
*/ after
??=
#if 0

   
  # elif 1
   
a /* comment # */ b
  "a string with # inside"
continued
tail \
continued
continued
a /* comment # */ b
a\
b
continued
	#  define NOT_SEEN 1

	#  define NOT_SEEN 1
# pragma nothing
#endif
a\
b
#endif
   
x // line comment
#error not reached
# define V 1
a\
b
#endif
#error not reached
#error not reached
a\
b
plain text of a skipped line
#if 0
#error not reached
/* multi
** line
*/ after
a\
b
#error not reached
tail \
continued
#ifdef Z
#error not reached
# pragma nothing
tail \
continued
??=
continued
continued
  indented ; code(x) = 1;
/* multi
** line
*/ after
   
#ifdef Z
x // line comment
# define V 1
  # elif 1
#ifdef Z
û odd

#endif
  indented ; code(x) = 1;
#ifdef Z
continued
# define V 1
  # elif 1
#endif
??=

# pragma nothing
a\
b
   
# pragma nothing
a\
b
'c' and more
#error not reached
x // line comment
# define V 1
  # elif 1
  # elif 1
#endif
tail \
continued
a /* comment # */ b
#else
#ifdef Z
û odd
plain text of a skipped line
û odd
û odd
# pragma nothing
   
#if 0

û odd
#endif
a /* comment # */ b

a\
b
# define V 1
#else
'c' and more
# pragma nothing
continued
	#  define NOT_SEEN 1
x // line comment
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
#endif
a\
b
   
#ifdef Z
'c' and more
	#  define NOT_SEEN 1
x // line comment
??=
  # elif 1
a /* comment # */ b
# pragma nothing
plain text of a skipped line
#if 0
  indented ; code(x) = 1;
/* multi
** line
*/ after

#endif
#endif
#if 0
/* multi
** line
*/ after
continued
  # elif 1
  # elif 1
û odd
  # elif 1
# define V 1
#endif
#else
#ifdef Z
plain text of a skipped line
   
# define V 1
a\
b
#error not reached
#endif
x // line comment

  # elif 1
a /* comment # */ b
  "a string with # inside"
# define V 1
û odd
plain text of a skipped line
#ifdef Z
'c' and more
a /* comment # */ b
#else
# pragma nothing
   
  "a string with # inside"
#else
#error not reached
x // line comment

  "a string with # inside"
??=
#endif
continued
  "a string with # inside"
x // line comment
# define V 1
	#  define NOT_SEEN 1
#endif
x // line comment
x // line comment
#if 0
/* multi
** line
*/ after
#endif
#if 0
#else
x // line comment
û odd
#error not reached
plain text of a skipped line
x // line comment
#if 0

  # elif 1
#error not reached
??=
#error not reached
continued
#error not reached
   
#ifdef Z
/* multi
** line
*/ after
  # elif 1
'c' and more
x // line comment
	#  define NOT_SEEN 1
continued

'c' and more
x // line comment
x // line comment
??=
'c' and more
  "a string with # inside"
#ifdef Z
# pragma nothing
??=
û odd
# define V 1
tail \
continued
#if 0
a /* comment # */ b
# pragma nothing
  # elif 1
a /* comment # */ b
x // line comment
  "a string with # inside"

   
x // line comment
	#  define NOT_SEEN 1
  "a string with # inside"
	#  define NOT_SEEN 1
# define V 1
  "a string with # inside"
#else
#endif
plain text of a skipped line
#endif
û odd
continued
a /* comment # */ b
#else
tail \
continued
#endif
#if 0
#ifdef Z
#else
#else
a /* comment # */ b
  "a string with # inside"
#error not reached
x // line comment
#endif
#error not reached
  "a string with # inside"
#endif
# pragma nothing
??=
  # elif 1
plain text of a skipped line
'c' and more
#ifdef Z
# pragma nothing
x // line comment
	#  define NOT_SEEN 1
continued
	#  define NOT_SEEN 1
#error not reached
'c' and more
#endif
	#  define NOT_SEEN 1
??=
#error not reached
# pragma nothing
# define V 1
/* multi
** line
*/ after
x // line comment
#if 0
a /* comment # */ b
#if 0
	#  define NOT_SEEN 1
#if 0
continued
#endif
# pragma nothing
/* multi
** line
*/ after
x // line comment
#ifdef Z
#if 0
a /* comment # */ b
	#  define NOT_SEEN 1
a /* comment # */ b
#if 0
'c' and more

  # elif 1
'c' and more
#endif
continued
#else
# pragma nothing
??=
x // line comment
/* multi
** line
*/ after
#ifdef Z
'c' and more
   
a\
b
  # elif 1
  "a string with # inside"
continued
# pragma nothing
continued
a\
b
continued
a /* comment # */ b
  # elif 1
#endif
#endif
û odd
/* multi
** line
*/ after
# define V 1
#error not reached
#if 0
/* multi
** line
*/ after
	#  define NOT_SEEN 1
a\
b
# pragma nothing
'c' and more
#error not reached
a\
b
# pragma nothing
   
  "a string with # inside"
tail \
continued
	#  define NOT_SEEN 1
  "a string with # inside"
	#  define NOT_SEEN 1
  indented ; code(x) = 1;
#ifdef Z
#if 0
#endif
   
  indented ; code(x) = 1;
??=
  "a string with # inside"
   
??=
a\
b
# pragma nothing
'c' and more
# pragma nothing
   
  indented ; code(x) = 1;
  "a string with # inside"
tail \
continued

  # elif 1
??=
#error not reached
a /* comment # */ b
#endif
a /* comment # */ b
  # elif 1
??=
#else
continued
#endif
  indented ; code(x) = 1;
#ifdef Z
#endif
  indented ; code(x) = 1;
#ifdef Z
#endif
û odd
plain text of a skipped line
??=
'c' and more
#endif
'c' and more
a\
b
'c' and more
  "a string with # inside"
#if 0

# define V 1
#error not reached
#error not reached
  "a string with # inside"
/* multi
** line
*/ after
a /* comment # */ b
#if 0
a /* comment # */ b
#error not reached
a\
b
# pragma nothing
#error not reached
û odd
'c' and more
#if 0
# pragma nothing
#if 0
plain text of a skipped line
x // line comment
#else
  # elif 1
  indented ; code(x) = 1;
tail \
continued
??=
# define V 1
#else
#endif
'c' and more
  indented ; code(x) = 1;
'c' and more
#endif
continued
plain text of a skipped line
	#  define NOT_SEEN 1

#if 0
# define V 1
#if 0
  indented ; code(x) = 1;
plain text of a skipped line

#if 0
#ifdef Z

#else

/* multi
** line
*/ after
#if 0
#ifdef Z
#endif
x // line comment
#if 0
#ifdef Z
x // line comment
#endif
tail \
continued
a\
b
'c' and more
'c' and more
û odd
tail \
continued
  # elif 1

#ifdef Z
  # elif 1
#else
#else

#error not reached
/* multi
** line
*/ after
#endif
plain text of a skipped line
# pragma nothing
#if 0
# define V 1
'c' and more
# pragma nothing
#if 0
continued
??=
#if 0
'c' and more

#else
#endif
#if 0
  indented ; code(x) = 1;
plain text of a skipped line
û odd
	#  define NOT_SEEN 1
#error not reached
??=
# define V 1
  "a string with # inside"
#endif
û odd
#endif
#endif

  indented ; code(x) = 1;
  indented ; code(x) = 1;
#endif
   
# define V 1
  # elif 1
/* multi
** line
*/ after
a\
b
  # elif 1
  "a string with # inside"
a /* comment # */ b
#ifdef Z
  "a string with # inside"
   
û odd
/* multi
** line
*/ after
#if 0
??=
   
'c' and more
??=
#if 0
#endif
continued
a\
b
# pragma nothing
  # elif 1
# define V 1
  # elif 1
#ifdef Z
#ifdef Z
#if 0
??=
# define V 1
  # elif 1
plain text of a skipped line
continued
x // line comment
# define V 1
#else
tail \
continued
tail \
continued
# pragma nothing
# define V 1
  "a string with # inside"
  # elif 1
x // line comment
a\
b
#else
  "a string with # inside"
	#  define NOT_SEEN 1
#error not reached
#error not reached
#if 0
a\
b
tail \
continued
	#  define NOT_SEEN 1
??=


	#  define NOT_SEEN 1
'c' and more

# define V 1
  "a string with # inside"
a\
b

  indented ; code(x) = 1;
	#  define NOT_SEEN 1
plain text of a skipped line
# pragma nothing
# pragma nothing
??=
#if 0
'c' and more
plain text of a skipped line
x // line comment
??=
#else
  # elif 1
#else
# pragma nothing
û odd
tail \
continued
??=
#endif
  "a string with # inside"
#if 0
# pragma nothing
#else
#error not reached
#ifdef Z
  "a string with # inside"
a /* comment # */ b
#else
#endif
  indented ; code(x) = 1;
  "a string with # inside"
  # elif 1
   
tail \
continued
'c' and more
   
#if 0
#else
  indented ; code(x) = 1;
??=
#endif
#endif
/* multi
** line
*/ after
??=
a /* comment # */ b
'c' and more
û odd
#endif
#error not reached
  # elif 1
#if 0
#endif
'c' and more
# define V 1
  # elif 1
  indented ; code(x) = 1;
#error not reached
#endif
# pragma nothing
  "a string with # inside"
continued
  # elif 1
tail \
continued
#if 0
  indented ; code(x) = 1;
#if 0
#if 0
  # elif 1
#endif
# pragma nothing
a\
b
a /* comment # */ b
tail \
continued
tail \
continued
a\
b
/* multi
** line
*/ after
# pragma nothing
#error not reached
a /* comment # */ b
continued
# pragma nothing
/* multi
** line
*/ after
plain text of a skipped line
#error not reached
x // line comment
#error not reached
'c' and more
x // line comment
# define V 1
#else

continued
û odd
continued
#if 0
	#  define NOT_SEEN 1
'c' and more
#else
û odd
#endif
   
   
continued
#else
a /* comment # */ b
#if 0
a\
b
tail \
continued
??=
  # elif 1
#if 0
#ifdef Z
	#  define NOT_SEEN 1
   
	#  define NOT_SEEN 1
continued
??=
plain text of a skipped line
#if 0
#if 0
'c' and more
??=
#ifdef Z
   
  "a string with # inside"
/* multi
** line
*/ after
tail \
continued
# pragma nothing
û odd
plain text of a skipped line
  # elif 1
  # elif 1
continued
#endif
#if 0
??=
   
??=
  # elif 1
plain text of a skipped line
plain text of a skipped line
# define V 1
   
#endif
??=
	#  define NOT_SEEN 1
#error not reached
continued
  # elif 1
	#  define NOT_SEEN 1
??=
# define V 1
  indented ; code(x) = 1;
??=
plain text of a skipped line
  "a string with # inside"
  # elif 1
# define V 1
'c' and more
#else
# pragma nothing
/* multi
** line
*/ after
'c' and more
#endif
tail \
continued
  indented ; code(x) = 1;
# define V 1
#endif
#error not reached
  "a string with # inside"
û odd
/* multi
** line
*/ after
#ifdef Z
  indented ; code(x) = 1;
??=
   
  # elif 1
continued
??=
#endif
# define V 1
'c' and more
#else
/* multi
** line
*/ after
??=
a /* comment # */ b
#error not reached
	#  define NOT_SEEN 1
plain text of a skipped line
#ifdef Z
#endif
#if 0
#if 0
  indented ; code(x) = 1;
	#  define NOT_SEEN 1
  # elif 1
  "a string with # inside"
tail \
continued
   
#error not reached
plain text of a skipped line
#error not reached
  "a string with # inside"
#ifdef Z
continued
??=
#else
  "a string with # inside"
#if 0
# define V 1
	#  define NOT_SEEN 1
/* multi
** line
*/ after
û odd
plain text of a skipped line
/* multi
** line
*/ after

# pragma nothing
#endif
#endif
continued
#ifdef Z
a /* comment # */ b
  "a string with # inside"
# define V 1
	#  define NOT_SEEN 1
#error not reached
	#  define NOT_SEEN 1
#ifdef Z
û odd
'c' and more
'c' and more
#error not reached
#if 0
#if 0
a /* comment # */ b
plain text of a skipped line
#ifdef Z
a\
b
	#  define NOT_SEEN 1
'c' and more
a /* comment # */ b
	#  define NOT_SEEN 1
  # elif 1
#if 0
#else

x // line comment
  # elif 1
#if 0
#ifdef Z
#ifdef Z
# pragma nothing
x // line comment
	#  define NOT_SEEN 1
# define V 1
  "a string with # inside"
  # elif 1
  # elif 1
#error not reached
#endif
# define V 1
	#  define NOT_SEEN 1
??=
#ifdef Z
tail \
continued

û odd
#if 0
'c' and more
tail \
continued
tail \
continued
#error not reached
  indented ; code(x) = 1;
#if 0
/* multi
** line
*/ after

	#  define NOT_SEEN 1
x // line comment
'c' and more
continued
   
û odd
#ifdef Z
#if 0
x // line comment
#else
# define V 1
tail \
continued
/* multi
** line
*/ after
??=
x // line comment
continued

a /* comment # */ b
   
plain text of a skipped line
#ifdef Z
'c' and more
continued
# pragma nothing
'c' and more
x // line comment
#if 0
#ifdef Z
#else
# define V 1
a /* comment # */ b
   
# define V 1
#ifdef Z
??=
'c' and more
   
   
# define V 1
#if 0
#ifdef Z
#else
#endif
  # elif 1
#else
#ifdef Z
û odd
#error not reached
# define V 1
  # elif 1

# pragma nothing
#else
   
û odd

'c' and more
x // line comment
#else
# pragma nothing
'c' and more
x // line comment
# define V 1
#endif
/* multi
** line
*/ after
	#  define NOT_SEEN 1

??=
continued
plain text of a skipped line
#error not reached
plain text of a skipped line
û odd

# define V 1
  "a string with # inside"
??=
#if 0
# define V 1
#endif
/* multi
** line
*/ after
#endif
'c' and more
x // line comment
û odd
  "a string with # inside"
# define V 1
  # elif 1
#endif
#else
tail \
continued
  indented ; code(x) = 1;
tail \
continued
# define V 1
  indented ; code(x) = 1;
??=
plain text of a skipped line
#if 0
#endif
#if 0
??=
a /* comment # */ b
#error not reached
a /* comment # */ b
'c' and more
# pragma nothing
   
'c' and more
??=
# define V 1

  indented ; code(x) = 1;
x // line comment
tail \
continued
  # elif 1
a /* comment # */ b
#else
û odd
a /* comment # */ b
a /* comment # */ b
'c' and more
  indented ; code(x) = 1;
  # elif 1
û odd
  indented ; code(x) = 1;
/* multi
** line
*/ after
tail \
continued
#ifdef Z
/* multi
** line
*/ after
# pragma nothing
continued
#ifdef Z
#else
??=
#else
continued
û odd
??=
#ifdef Z
# pragma nothing
#ifdef Z
# define V 1
/* multi
** line
*/ after
??=
#ifdef Z
'c' and more
a\
b
x // line comment
#ifdef Z
  # elif 1
  "a string with # inside"
'c' and more
tail \
continued
# define V 1
a\
b
#endif
  indented ; code(x) = 1;
/* multi
** line
*/ after
/* multi
** line
*/ after
# pragma nothing
# define V 1
#if 0
#error not reached
#if 0
tail \
continued
#if 0
a /* comment # */ b
#if 0
#endif
  # elif 1
??=
#error not reached
tail \
continued
  # elif 1
	#  define NOT_SEEN 1
plain text of a skipped line
a\
b

/* multi
** line
*/ after
  "a string with # inside"
  "a string with # inside"
# define V 1
a\
b
#else

#if 0
#endif
a /* comment # */ b
# define V 1
a\
b
tail \
continued
??=
#else
a\
b
# pragma nothing
   
  indented ; code(x) = 1;
#error not reached
  indented ; code(x) = 1;
'c' and more
# define V 1
#error not reached

a /* comment # */ b
	#  define NOT_SEEN 1
??=
plain text of a skipped line
  indented ; code(x) = 1;
'c' and more
#if 0
a /* comment # */ b
# define V 1
   
tail \
continued
'c' and more
	#  define NOT_SEEN 1
#endif
  # elif 1
/* multi
** line
*/ after
   
# define V 1
#endif
û odd
tail \
continued
tail \
continued
#error not reached
a /* comment # */ b
/* multi
** line
*/ after
#endif
#ifdef Z
# define V 1
   
/* multi
** line
*/ after
#ifdef Z
# define V 1
#if 0
continued
#endif
tail \
continued
#ifdef Z
plain text of a skipped line
#endif
#if 0
  "a string with # inside"
# define V 1
tail \
continued
	#  define NOT_SEEN 1
/* multi
** line
*/ after
# pragma nothing
plain text of a skipped line
#ifdef Z
#ifdef Z
  indented ; code(x) = 1;
'c' and more
a /* comment # */ b
a /* comment # */ b
#else
û odd
#if 0
#endif
# pragma nothing
a\
b
'c' and more
a /* comment # */ b
  indented ; code(x) = 1;
continued
tail \
continued
# define V 1
	#  define NOT_SEEN 1
û odd
# pragma nothing
??=
#else
#error not reached
#if 0
#error not reached
#endif
  "a string with # inside"
#error not reached
x // line comment
#endif
a\
b
??=

#error not reached
#error not reached
a /* comment # */ b
a\
b
continued
	#  define NOT_SEEN 1
#endif
#if 0
#endif
	#  define NOT_SEEN 1
# define V 1
#ifdef Z
x // line comment
	#  define NOT_SEEN 1
x // line comment
# pragma nothing
  "a string with # inside"
  # elif 1

#else
#endif
'c' and more
#error not reached
   
/* multi
** line
*/ after
continued
continued
x // line comment
plain text of a skipped line
#error not reached

	#  define NOT_SEEN 1
#if 0
#endif
/* multi
** line
*/ after
#endif
a\
b
/* multi
** line
*/ after
#error not reached
x // line comment
#endif
û odd

a /* comment # */ b
'c' and more
   
#endif
	#  define NOT_SEEN 1
û odd
# define V 1
a\
b
	#  define NOT_SEEN 1
#endif
#if 0
a /* comment # */ b
# pragma nothing
continued
continued
#error not reached
tail \
continued
continued
#if 0
  "a string with # inside"
#if 0
continued
# pragma nothing
continued
#error not reached
continued
/* multi
** line
*/ after
û odd
/* multi
** line
*/ after
  # elif 1
#endif
# define V 1
#error not reached
#error not reached
??=
  "a string with # inside"
continued
#error not reached
#endif
  "a string with # inside"

#endif
#if 0
	#  define NOT_SEEN 1
continued
plain text of a skipped line
	#  define NOT_SEEN 1
# pragma nothing
x // line comment
a /* comment # */ b
continued
# pragma nothing
x // line comment
#ifdef Z
#endif
plain text of a skipped line
#error not reached

'c' and more
a\
b
a\
b
#error not reached
a\
b
#if 0
#error not reached
'c' and more
	#  define NOT_SEEN 1
# pragma nothing
#error not reached
'c' and more
continued
/* multi
** line
*/ after
  "a string with # inside"
continued
'c' and more
a /* comment # */ b
#error not reached
#error not reached
#endif
plain text of a skipped line
#if 0
a /* comment # */ b
û odd
  # elif 1
a /* comment # */ b
continued
  indented ; code(x) = 1;
#error not reached
a\
b
  "a string with # inside"
	#  define NOT_SEEN 1
#if 0
	#  define NOT_SEEN 1
'c' and more
#if 0
û odd
#if 0
??=
	#  define NOT_SEEN 1
'c' and more
continued
#if 0
a /* comment # */ b
#if 0
#ifdef Z
plain text of a skipped line
  "a string with # inside"
#endif
  # elif 1
plain text of a skipped line
# pragma nothing
  "a string with # inside"
x // line comment
a\
b
#else
	#  define NOT_SEEN 1
#error not reached
  # elif 1
#error not reached
#else
#if 0
??=
#error not reached
/* multi
** line
*/ after
# define V 1
??=
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1
  "a string with # inside"
continued
#endif
tail \
continued
a\
b

/* multi
** line
*/ after
û odd

'c' and more
tail \
continued
# define V 1
#endif
û odd
x // line comment
#endif
a\
b
'c' and more
#error not reached
??=
#if 0
#ifdef Z
  "a string with # inside"
#ifdef Z

û odd
#if 0
tail \
continued
#if 0
   
  # elif 1
  # elif 1
# define V 1
#endif
plain text of a skipped line
	#  define NOT_SEEN 1
??=
#ifdef Z
x // line comment
  "a string with # inside"
# pragma nothing
#error not reached
# define V 1
'c' and more
#endif
  "a string with # inside"
??=
	#  define NOT_SEEN 1
#if 0
	#  define NOT_SEEN 1
tail \
continued
   
x // line comment
#ifdef Z
   
plain text of a skipped line
continued
plain text of a skipped line
tail \
continued
plain text of a skipped line
# pragma nothing
plain text of a skipped line
??=
continued
a /* comment # */ b
tail \
continued
plain text of a skipped line
#endif
#endif
  indented ; code(x) = 1;
#if 0
#if 0
   
#if 0
#else
x // line comment
# pragma nothing
# pragma nothing
   
   
  "a string with # inside"
a\
b
#else
??=

#error not reached
# define V 1
  indented ; code(x) = 1;
#endif
'c' and more

# define V 1
/* multi
** line
*/ after
??=
#endif
#if 0
# define V 1
#if 0
  indented ; code(x) = 1;
'c' and more
û odd
/* multi
** line
*/ after
  "a string with # inside"
plain text of a skipped line
	#  define NOT_SEEN 1
#if 0

tail \
continued
   
  "a string with # inside"
  indented ; code(x) = 1;
  indented ; code(x) = 1;
#endif
  # elif 1
x // line comment
  "a string with # inside"
  indented ; code(x) = 1;
plain text of a skipped line
x // line comment
continued
# pragma nothing
#endif

#if 0
#ifdef Z
a /* comment # */ b
#else
û odd
   
  indented ; code(x) = 1;
#error not reached
tail \
continued
'c' and more
	#  define NOT_SEEN 1
continued
plain text of a skipped line
û odd
continued
#if 0

#ifdef Z
	#  define NOT_SEEN 1
# pragma nothing
continued
  "a string with # inside"
û odd
a /* comment # */ b
a /* comment # */ b
a /* comment # */ b
# define V 1
#endif
  indented ; code(x) = 1;
# define V 1
tail \
continued
   
??=
   
#else
# pragma nothing
  indented ; code(x) = 1;
plain text of a skipped line
#else
#ifdef Z
  # elif 1
#if 0
  # elif 1
x // line comment
'c' and more
#endif
  indented ; code(x) = 1;
??=
#if 0
#if 0
# pragma nothing
#error not reached
#ifdef Z
#if 0
continued
# pragma nothing
  "a string with # inside"
   
# pragma nothing
a /* comment # */ b
plain text of a skipped line
a\
b
a\
b
'c' and more
??=
   
continued
a\
b
#endif
#if 0
tail \
continued
x // line comment
û odd
# pragma nothing
û odd
'c' and more
??=
a\
b
??=
a /* comment # */ b
tail \
continued
tail \
continued
#error not reached
# pragma nothing
# define V 1
plain text of a skipped line
continued
  # elif 1

  # elif 1
#endif
   
/* multi
** line
*/ after
#if 0
#if 0
  # elif 1
   
#if 0
#if 0
'c' and more
û odd
# pragma nothing
a /* comment # */ b
#endif
a\
b
# pragma nothing
û odd
#else
#else
x // line comment

  # elif 1
# define V 1
'c' and more
plain text of a skipped line
#error not reached
#if 0

#if 0
#if 0

  # elif 1
a /* comment # */ b
û odd
a /* comment # */ b
  indented ; code(x) = 1;
x // line comment
continued
#ifdef Z
# define V 1
tail \
continued
#else
  "a string with # inside"
x // line comment
a\
b
  "a string with # inside"
û odd
   
#if 0
   
  indented ; code(x) = 1;
plain text of a skipped line
   
tail \
continued
plain text of a skipped line
# pragma nothing
??=
#ifdef Z
# pragma nothing
a\
b
a /* comment # */ b
#endif
tail \
continued
#if 0
  indented ; code(x) = 1;

   
# define V 1
a\
b
#error not reached
#ifdef Z
??=
x // line comment
	#  define NOT_SEEN 1
a /* comment # */ b
x // line comment
  indented ; code(x) = 1;

  "a string with # inside"
#error not reached
'c' and more
a /* comment # */ b
#if 0
/* multi
** line
*/ after
a\
b
	#  define NOT_SEEN 1
# pragma nothing
??=
  indented ; code(x) = 1;
??=
a\
b
#error not reached
#if 0
#if 0
#endif
continued

û odd
#error not reached
tail \
continued
#endif
#endif

#endif
  "a string with # inside"
#endif
û odd
#endif
continued
#endif
#endif
#endif
/* multi
** line
*/ after

#else
  indented ; code(x) = 1;
a /* comment # */ b
a /* comment # */ b
#if 0
	#  define NOT_SEEN 1
û odd
#error not reached
  # elif 1
   
  indented ; code(x) = 1;
#ifdef Z
  "a string with # inside"
  # elif 1
#ifdef Z
  # elif 1
  indented ; code(x) = 1;
#ifdef Z
# define V 1
/* multi
** line
*/ after
û odd
a /* comment # */ b
x // line comment
  indented ; code(x) = 1;
#endif
û odd
  indented ; code(x) = 1;
plain text of a skipped line
??=
# define V 1
#endif
a\
b
'c' and more
  "a string with # inside"
continued
'c' and more
  # elif 1
û odd
#if 0
x // line comment
  # elif 1
tail \
continued
# pragma nothing
/* multi
** line
*/ after
#error not reached
#if 0
/* multi
** line
*/ after
   
tail \
continued
	#  define NOT_SEEN 1
a\
b
û odd
#endif
#if 0
'c' and more
a\
b
  "a string with # inside"
  indented ; code(x) = 1;
#if 0
   
û odd
  indented ; code(x) = 1;
'c' and more
/* multi
** line
*/ after
plain text of a skipped line
#else
??=
# pragma nothing
#endif
#ifdef Z
#ifdef Z
/* multi
** line
*/ after
# pragma nothing
tail \
continued
#if 0
   
# pragma nothing
'c' and more
'c' and more
  "a string with # inside"
# define V 1
plain text of a skipped line
x // line comment
#else
/* multi
** line
*/ after
#else
#endif
x // line comment
/* multi
** line
*/ after
# define V 1
#else
??=
   
x // line comment
û odd

plain text of a skipped line
#else
# define V 1
#ifdef Z
continued
a /* comment # */ b
	#  define NOT_SEEN 1
û odd
# pragma nothing
   
tail \
continued
plain text of a skipped line
#error not reached
continued
a /* comment # */ b
'c' and more
û odd
#error not reached
#ifdef Z
plain text of a skipped line
#if 0
# define V 1
# define V 1
û odd
#endif
??=
plain text of a skipped line
  indented ; code(x) = 1;
??=
# pragma nothing
tail \
continued
# define V 1
a\
b
/* multi
** line
*/ after
a /* comment # */ b
a /* comment # */ b
continued

#error not reached
a\
b
#if 0
/* multi
** line
*/ after
plain text of a skipped line
# define V 1
	#  define NOT_SEEN 1
x // line comment
   
#if 0
continued
tail \
continued
  indented ; code(x) = 1;
#ifdef Z
   
# pragma nothing
  indented ; code(x) = 1;

#else
#if 0
#ifdef Z
#endif
'c' and more
continued
'c' and more
	#  define NOT_SEEN 1
#if 0
   
   
	#  define NOT_SEEN 1
	#  define NOT_SEEN 1

tail \
continued
# define V 1

'c' and more
  indented ; code(x) = 1;
continued
# define V 1
#if 0
x // line comment
#if 0
'c' and more
#else
#else
#if 0

# pragma nothing
#endif
tail \
continued
  indented ; code(x) = 1;
  indented ; code(x) = 1;
continued
a /* comment # */ b
# pragma nothing
	#  define NOT_SEEN 1
'c' and more
tail \
continued
tail \
continued
#endif
û odd
#if 0
/* multi
** line
*/ after
  indented ; code(x) = 1;
û odd
# define V 1
#endif
/* multi
** line
*/ after
#endif
x // line comment
  # elif 1

tail \
continued
  indented ; code(x) = 1;
#ifdef Z
tail \
continued
  "a string with # inside"
#endif
#endif
# define V 1
#ifdef Z
û odd
'c' and more

# define V 1
#endif
û odd
'c' and more
  # elif 1
  # elif 1
#error not reached
   
#ifdef Z
   
# define V 1

#endif
a /* comment # */ b
a /* comment # */ b
#if 0
a /* comment # */ b
#endif
#if 0
   
  "a string with # inside"
plain text of a skipped line

#ifdef Z
# define V 1
# define V 1
#else
tail \
continued
continued

continued
continued
# pragma nothing
û odd
#endif
	#  define NOT_SEEN 1
plain text of a skipped line
/* multi
** line
*/ after
  indented ; code(x) = 1;
'c' and more
  "a string with # inside"
û odd
# define V 1
  indented ; code(x) = 1;
#if 0
tail \
continued
  # elif 1
   
#error not reached
??=
#endif
#endif
a\
b
'c' and more
tail \
continued
#ifdef Z
#else
x // line comment
# define V 1
a\
b

#else
#endif

'c' and more
continued
??=
  "a string with # inside"
#error not reached
a /* comment # */ b
/* multi
** line
*/ after
#endif

  indented ; code(x) = 1;
'c' and more
# define V 1
a\
b
continued
#error not reached
#else
# define V 1
/* multi
** line
*/ after
'c' and more
??=
# pragma nothing
  # elif 1
# define V 1
#error not reached
#endif
#else
??=
# define V 1
a /* comment # */ b
# define V 1
  # elif 1

  # elif 1
û odd
#ifdef Z
#error not reached
# pragma nothing
plain text of a skipped line
a /* comment # */ b
#endif
û odd
/* multi
** line
*/ after
#ifdef Z
# define V 1
'c' and more

û odd
û odd
	#  define NOT_SEEN 1
  indented ; code(x) = 1;
??=
continued
plain text of a skipped line
#endif
	#  define NOT_SEEN 1
a\
b
#if 0

   
  "a string with # inside"
tail \
continued
  # elif 1
# define V 1
û odd
x // line comment
û odd
# define V 1
'c' and more
#ifdef Z

  # elif 1
tail \
continued
  "a string with # inside"
??=
??=
??=
#else
# define V 1
û odd
continued
# pragma nothing
#if 0
x // line comment
??=
'c' and more
û odd
continued
??=
   
   
#endif
tail \
continued
#else
#ifdef Z
  "a string with # inside"
  # elif 1
  # elif 1
#endif
#if 0
  indented ; code(x) = 1;
continued
û odd
#endif
a\
b
continued
#endif
#if 0
#ifdef Z
#error not reached
a\
b
??=
	#  define NOT_SEEN 1
'c' and more
#endif
tail \
continued
  # elif 1
  # elif 1
  indented ; code(x) = 1;
#if 0
#ifdef Z
# define V 1
/* multi
** line
*/ after
continued
a\
b
  # elif 1
#else
a\
b

/* multi
** line
*/ after
#error not reached
# define V 1
plain text of a skipped line
#ifdef Z
??=
# define V 1

#endif
plain text of a skipped line
  indented ; code(x) = 1;
'c' and more
û odd
û odd
# define V 1
a\
b
'c' and more
#endif

#else
#ifdef Z
#if 0
  "a string with # inside"
a /* comment # */ b

#error not reached
x // line comment
'c' and more
  "a string with # inside"
tail \
continued
'c' and more
??=
'c' and more
#endif
#else
#endif
# define V 1
  # elif 1
  indented ; code(x) = 1;
#ifdef Z
# define V 1
# define V 1
??=
# pragma nothing
#if 0

	#  define NOT_SEEN 1
plain text of a skipped line
  "a string with # inside"
û odd
/* multi
** line
*/ after
#endif
# define V 1

#error not reached
# define V 1
plain text of a skipped line
#endif
continued
  indented ; code(x) = 1;
#if 0
continued
/* multi
** line
*/ after
tail \
continued
??=
a\
b
  # elif 1
/* multi
** line
*/ after
#else
tail \
continued
  indented ; code(x) = 1;
  indented ; code(x) = 1;
	#  define NOT_SEEN 1
  "a string with # inside"
	#  define NOT_SEEN 1
continued
continued
tail \
continued
continued
#if 0
x // line comment
#error not reached
/* multi
** line
*/ after
#ifdef Z
continued
/* multi
** line
*/ after
# pragma nothing
'c' and more
a\
b
??=
	#  define NOT_SEEN 1
  # elif 1
#endif
a /* comment # */ b
a\
b
   
   
#endif
# pragma nothing
#error not reached
#if 0
continued
# define V 1
a /* comment # */ b
û odd
	#  define NOT_SEEN 1
tail \
continued
   
#if 0
  # elif 1

'c' and more
#ifdef Z
a\
b
continued
#ifdef Z

continued
# define V 1
#endif
#ifdef Z
# pragma nothing
plain text of a skipped line
  # elif 1
#endif
# define V 1
  # elif 1
#else
#if 0
plain text of a skipped line
  # elif 1

   
	#  define NOT_SEEN 1
# pragma nothing
  "a string with # inside"
a\
b
#endif
'c' and more
û odd
#ifdef Z
tail \
continued
continued
#else
#if 0
#endif
  indented ; code(x) = 1;
??=
tail \
continued
tail \
continued
#endif
a\
b
#else
  "a string with # inside"
#else
û odd
   
  indented ; code(x) = 1;
x // line comment

#error not reached
  "a string with # inside"
continued
# pragma nothing
û odd

/* multi
** line
*/ after
#else
plain text of a skipped line
#if 0
#endif
#else
#ifdef Z
tail \
continued
plain text of a skipped line
   
  # elif 1
tail \
continued
tail \
continued
   
#endif
  indented ; code(x) = 1;
#if 0
plain text of a skipped line
a\
b
   
  "a string with # inside"
#else
tail \
continued
#else
#if 0
#else
a /* comment # */ b
plain text of a skipped line
x // line comment
# pragma nothing
#if 0
#error not reached
# pragma nothing
#endif
x // line comment
#ifdef Z
# define V 1
#endif
û odd
tail \
continued
# define V 1
# define V 1
  indented ; code(x) = 1;
#error not reached
x // line comment
  # elif 1
# pragma nothing
   
a\
b
'c' and more
'c' and more
   
û odd
#else
continued
#if 0
û odd
  indented ; code(x) = 1;
#if 0
#error not reached
# define V 1
û odd
a /* comment # */ b
  # elif 1
??=
a /* comment # */ b
tail \
continued
x // line comment
??=
#endif
  # elif 1
# define V 1
tail \
continued
continued
#error not reached
	#  define NOT_SEEN 1
# pragma nothing
??=
   
  indented ; code(x) = 1;
#if 0
#if 0
#else
a /* comment # */ b

plain text of a skipped line
#error not reached
a /* comment # */ b
#if 0
#endif
#endif
  indented ; code(x) = 1;
# pragma nothing
??=
a /* comment # */ b
   
  "a string with # inside"
#ifdef Z
   
#if 0
û odd
#endif
#else

	#  define NOT_SEEN 1
û odd
   
  # elif 1
a /* comment # */ b
#ifdef Z
# define V 1
# define V 1
#if 0
	#  define NOT_SEEN 1
   
'c' and more
# pragma nothing
  # elif 1
??=
plain text of a skipped line
/* multi
** line
*/ after
û odd
#endif
#endif
??=
   
#endif
a\
b
tail \
continued
û odd
#error not reached
# define V 1
??=
#ifdef Z
'c' and more
#ifdef Z
'c' and more
'c' and more
??=
tail \
continued
# pragma nothing
#error not reached
#if 0
continued
continued
# define V 1
  # elif 1
x // line comment
#if 0
   
#error not reached
#else
#else
#else
/* multi
** line
*/ after

tail \
continued
#error not reached
#if 0
  "a string with # inside"

continued
'c' and more
  # elif 1
continued
#ifdef Z
??=
û odd
continued
  indented ; code(x) = 1;
??=

#ifdef Z

tail \
continued
#else
continued
#ifdef Z
#if 0
tail \
continued
#if 0
# pragma nothing
# define V 1
??=
continued
#if 0
  "a string with # inside"
a /* comment # */ b
#ifdef Z
x // line comment
#error not reached
a /* comment # */ b
#else
/* multi
** line
*/ after
a /* comment # */ b
a\
b
/* multi
** line
*/ after
	#  define NOT_SEEN 1
  # elif 1
  "a string with # inside"
a /* comment # */ b
continued

   
tail \
continued
tail \
continued
  "a string with # inside"
plain text of a skipped line
  "a string with # inside"
# define V 1
#else
# pragma nothing
   
'c' and more
x // line comment
û odd
#endif
# pragma nothing
# define V 1
/* multi
** line
*/ after
#if 0
# pragma nothing
x // line comment
  # elif 1
plain text of a skipped line
#error not reached
  # elif 1
  # elif 1
#ifdef Z
û odd
# pragma nothing
#if 0
   
'c' and more
#endif
x // line comment
	#  define NOT_SEEN 1
#if 0
'c' and more
#endif
  indented ; code(x) = 1;
#if 0
#if 0
a /* comment # */ b
#endif

#endif
  indented ; code(x) = 1;
#if 0
û odd
#endif
  indented ; code(x) = 1;
  # elif 1
a /* comment # */ b
   
# pragma nothing
/* multi
** line
*/ after
# define V 1
# pragma nothing
??=
#ifdef Z
tail \
continued
#if 0
/* multi
** line
*/ after
#endif
  indented ; code(x) = 1;
??=
/* multi
** line
*/ after
#error not reached
#endif
#endif
a /* comment # */ b
a /* comment # */ b
/* multi
** line
*/ after
# pragma nothing
tail \
continued
#error not reached
continued
  "a string with # inside"
  # elif 1
#error not reached
??=
plain text of a skipped line
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
#endif
int after;
#if 1
int taken;
#if 0
int hidden;
#endif
#endif
