/* A source written for a Windows tool set. */
#include "..\INC\Sub\FOO.H"
#include <Windows.h>
#include <Common.h>
#include "chain\One.h"
#include "..\inc\sub\foo.h"
const char *main_file = __FILE__;
int main_line = __LINE__;
