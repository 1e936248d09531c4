/* src/main.c 1: */

/* beside.h 1: */
from_working_folder
/* beside.h 2: */
/* beside.h 3: */
/* src/main.c 2: */
/* src/main.c 3: */end
/* src/main.c 4: */
/* src/main.c 5: */