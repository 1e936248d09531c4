/* Messages name files as they are written in the source. */
#include "..\Missing\File.h"
#include "C:\inc\foo.h"
#include <Sub\LongHeaderName>
#include <Sub\NoSuchHeaderFile>
#include "Sub\Bad.H"
