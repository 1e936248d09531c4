/* src\main.c 1: */
/* src\main.c 2: */

/* src\..\INC\Sub\FOO.H 1: */
int foo_h = 1;
/* src\..\INC\Sub\FOO.H 2: */const char *foo_file = "src\\..\\INC\\Sub\\FOO.H";
/* src\..\INC\Sub\FOO.H 3: */
/* src\..\INC\Sub\FOO.H 4: */
/* src\main.c 3: */

/* inc\Public/Windows.h 1: */

/* inc\Public/Windows.h 2: */
int windows_h;
/* inc\Public/Windows.h 3: */
/* inc\Public/Windows.h 4: */
/* src\main.c 4: */

/* LIB\common/Common.h 1: */
int common_h;
/* LIB\common/Common.h 2: */
/* LIB\common/Common.h 3: */
/* src\main.c 5: */

/* src\chain\One.h 1: */


/* src\chain\Two.h 1: */


/* src\chain\THREE.H 1: */
int three_h;
/* src\chain\THREE.H 2: */const char *three_file = "src\\chain\\THREE.H";
/* src\chain\THREE.H 3: */
/* src\chain\THREE.H 4: */
/* src\chain\Two.h 2: */int two_h;
/* src\chain\Two.h 3: */
/* src\chain\Two.h 4: */
/* src\chain\One.h 2: */int one_h;
/* src\chain\One.h 3: */
/* src\chain\One.h 4: */
/* src\main.c 6: */

/* src\..\inc\sub\foo.h 1: */
int foo_h = 1;
/* src\..\inc\sub\foo.h 2: */const char *foo_file = "src\\..\\inc\\sub\\foo.h";
/* src\..\inc\sub\foo.h 3: */
/* src\..\inc\sub\foo.h 4: */
/* src\main.c 7: */const char *main_file = "src\\main.c";
/* src\main.c 8: */int main_line = 8;
/* src\main.c 9: */
/* src\main.c 10: */

/*
File: src\main.c  Total lines compiled: 37
  src\..\INC\Sub\FOO.H: included:1, lines:4\4
  inc\Public/Windows.h: included:1, lines:4\4
  LIB\common/Common.h: included:1, lines:3\3
  src\chain\One.h: included:1, lines:4\12
    src\chain\Two.h: included:1, lines:4\8
      src\chain\THREE.H: included:1, lines:4\4
  src\..\inc\sub\foo.h: included:1, lines:4\4

*/
