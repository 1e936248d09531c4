/* Entries that differ only in case: the one spelt as written, else the first in byte order. */
#include "inc\Dup.h"
#include "inc\dup.h"
#include "inc\DUP.H"
#include "inc\dUP.h"
#include "INC\TWIN.H"
#include "inc\twin.h"
#include "inC\Twin.H"
/* The folder is chosen by its name alone: "Inc" comes first and has no only.h. */
#include "INC\only.h"
#include "inc\ONLY.H"
/* The name as written is tried everywhere first: inc/Order.h is found through -I although
   ORDER.H beside this file would match it without regard to case. */
#include "Order.h"
