/* main.c 1: */

/* ./stdnm.h 1: */
inside 1
/* ./stdnm.h 2: */

/* ./inner.h 1: */
inner __USING_STD_NAMES__
/* ./inner.h 2: */
/* ./inner.h 3: */
/* ./stdnm.h 3: */back 1
/* ./stdnm.h 4: */
/* ./stdnm.h 5: */std_defined
/* ./stdnm.h 6: */
/* ./stdnm.h 7: */
/* ./stdnm.h 8: */
/* main.c 2: */after_std __USING_STD_NAMES__
/* main.c 3: */

/* ./withext.h 1: */
ext __USING_STD_NAMES__
/* ./withext.h 2: */
/* ./withext.h 3: */
/* main.c 4: */

/* quoted.h 1: */
quoted __USING_STD_NAMES__
/* quoted.h 2: */
/* quoted.h 3: */
/* main.c 5: */

/* ./stdnm.h 1: */
inside 1
/* ./stdnm.h 2: */

/* ./inner.h 1: */
inner __USING_STD_NAMES__
/* ./inner.h 2: */
/* ./inner.h 3: */
/* ./stdnm.h 3: */back 1
/* ./stdnm.h 4: */
/* ./stdnm.h 5: */std_defined
/* ./stdnm.h 6: */
/* ./stdnm.h 7: */
/* ./stdnm.h 8: */
/* main.c 6: */end __USING_STD_NAMES__
/* main.c 7: */
/* main.c 8: */