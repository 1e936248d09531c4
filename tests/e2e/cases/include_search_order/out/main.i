/* src/main.c 1: */

/* src/beside.h 1: */
from_src_beside_h
/* src/beside.h 2: */
/* src/beside.h 3: */
/* src/main.c 2: */

/* work.h 1: */
from_work_h
/* work.h 2: */
/* work.h 3: */
/* src/main.c 3: */

/* src/sub/h1.h 1: */
h1
/* src/sub/h1.h 2: */

/* src/sub/deeper/h2.h 1: */
h2
/* src/sub/deeper/h2.h 2: */

/* src/top.h 1: */
from_src_top_h
/* src/top.h 2: */
/* src/top.h 3: */
/* src/sub/deeper/h2.h 3: */
/* src/sub/deeper/h2.h 4: */
/* src/sub/h1.h 3: */
/* src/sub/h1.h 4: */
/* src/main.c 4: */

/* inc1/onlyinc.h 1: */
from_inc1_onlyinc_h
/* inc1/onlyinc.h 2: */
/* inc1/onlyinc.h 3: */
/* src/main.c 5: */

/* inc2/order.h 1: */
from_inc2_order_h
/* inc2/order.h 2: */
/* inc2/order.h 3: */
/* src/main.c 6: */

/* cfginc/cfgonly.h 1: */
from_cfginc_cfgonly_h
/* cfginc/cfgonly.h 2: */
/* cfginc/cfgonly.h 3: */
/* src/main.c 7: */

/* inc1/angle.h 1: */
from_inc1_angle_h
/* inc1/angle.h 2: */
/* inc1/angle.h 3: */
/* src/main.c 8: */

/* inc2/iostream.h 1: */
from_inc2_iostream_h
/* inc2/iostream.h 2: */
/* inc2/iostream.h 3: */
/* src/main.c 9: */

/* inc2/algorith.h 1: */
from_inc2_algorith_h
/* inc2/algorith.h 2: */
/* inc2/algorith.h 3: */
/* src/main.c 10: */end
/* src/main.c 11: */
/* src/main.c 12: */