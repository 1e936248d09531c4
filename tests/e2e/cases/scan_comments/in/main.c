a/* c */b a /* c */ b
x/* one
   two
   three */y
/* a /* b */ c */z
d // line comment /* not a block
e//
f/**/
