#ifdef NOPE
#ifdef ANY
#else
#else
#elif
#endif
#definex unknown
#DEFINE unknown too
#! not reported
#error not raised
#include "missing.h"
#pragma once
#ifndef X
#ifdef Y
#endif
#endif
char *s = "/* not a comment";
char c = '"';
/* a comment hiding
#endif
*/
text \
#endif
#else
kept1
#endif
#ifndef NOPE
kept2
#else
#ifdef A
#endif
#endif
#ifdef NOPE
#ifdef INNER
#endif
#else with trailing text
kept3
#endif trailing
end
