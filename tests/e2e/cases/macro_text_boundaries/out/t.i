/* t.cpp 1: */
/* t.cpp 2: */
/* t.cpp 3: */
/* t.cpp 4: */
/* t.cpp 5: */
/* t.cpp 6: */
/* t.cpp 7: */
/* t.cpp 8: */
/* t.cpp 9: */
/* t.cpp 10: */
/* t.cpp 11: */
/* t.cpp 12: */
/* t.cpp 13: */
/* t.cpp 14: */
/* t.cpp 15: */
/* t.cpp 16: */name 42 0 0x1f 0xFFFFFFFF 0x123456789 0x1fu 0x1L 0x1e; name(1) 42(2) 0x1f(3) name;42;0x1f;name.name 42 . 42 0x1f . 0x1f
/* t.cpp 17: */name+42-0x1f*0xFFFFFFFF/0x123456789%0x1fu -> name - 42 << 0x1f . name
/* t.cpp 18: */x -> * y - = z << = w -> -  -  -> << << . * . . .
/* t.cpp 19: */
/* t.cpp 20: */
/* t.cpp 21: */ND H1 DH -> * << = Zx1 name 42
/* t.cpp 22: */0x1f 0xg NZD - >
/* t.cpp 23: */
/* t.cpp 24: */
/* t.cpp 25: */
/* t.cpp 26: */
/* t.cpp 27: */name 42 0x1f x name y x 0x10 y [->] [0xABCDEF01] name 42 name 0x1f name 0x1f ->  * -> 0x 1 0x
/* t.cpp 28: */
/* t.cpp 29: */
/* t.cpp 30: */
/* t.cpp 31: */
/* t.cpp 32: */
/* t.cpp 33: */name z name 1 42 5 42 x 0x1f 7 0x1f g ->  *p -> x q name 0x1 name
/* t.cpp 34: */
/* t.cpp 35: */
/* t.cpp 36: */
/* t.cpp 37: */
/* t.cpp 38: */foo bar f(1) + 1 foo bar->x a->foo bar p->foo bar 0x1 foo bar foo bar 0x2 foo bar foo bar f(foo bar) + foo bar f(foo bar) + foo bar
/* t.cpp 39: */
/* t.cpp 40: */
/* t.cpp 41: */q->foo bar q-> *r q->name 1<< =2 1<<42 name<<0x1f
/* t.cpp 42: */
/* t.cpp 43: */
/* t.cpp 44: */name_ending_in_a_long_tail_of_more_than_sixteen_bytes 0x0 name_ending_in_a_long_tail_of_more_than_sixteen_bytes;0x0;name_ending_in_a_long_tail_of_more_than_sixteen_bytes(0x0)
/* t.cpp 45: */0x0 0X1F 0xffffffff 0x7FFFFFFF 0x100000000 0xABCDEFab 0x1fu 0x1L 0x1e5 0x 0xg 0x1.5
/* t.cpp 46: */0x12345678 0x123456789 0x00000000f 0x1F+0x2f-0X3F 0x1f;0x2f,0x3f)0x4f(0x5f 0x6f
/* t.cpp 47: */
/* t.cpp 48: */
/* t.cpp 49: */
/* t.cpp 50: */
/* t.cpp 51: */
/* t.cpp 52: */
/* t.cpp 53: */name1 namex 123 12x 0x1fu 0x1f2 xy 1234 0xff ->* <<= qname q12 q0x1 0xname 0x12 0x0x1 
/* t.cpp 54: */x "y" 12"y" 0x1"y" ->"y" x "N" 12"N" 0x1"N" ->"N" x "->" 12"->" 0x1"->" ->"->"
/* t.cpp 55: */
/* t.cpp 56: */