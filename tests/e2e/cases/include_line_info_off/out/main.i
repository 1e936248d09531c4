#line 1 "main.c"
first


#line 1 "a.h"

a_line


#line 3 "main.c"
after_a


[1]


#line 1 "b.h"



#line 1 "c.h"

c1


#line 2 "b.h"
b2


#line 8 "main.c"



last

