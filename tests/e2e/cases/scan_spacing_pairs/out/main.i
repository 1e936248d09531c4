/* main.c 1: */x+  +y
/* main.c 2: */x+++y
/* main.c 3: */a+++b
/* main.c 4: */a +  ++b
/* main.c 5: */x y x 1 1 2 1x 1.5 f int x x "s" 'a'b
/* main.c 6: */- > - - + = < < & & | | : : = = ! = > >= . ... . *
/* main.c 7: */a-> *b a::b a:::b a...b a.*b a?b
/* main.c 8: */lead   between	blanks  
/* main.c 9: */
/* main.c 10: */