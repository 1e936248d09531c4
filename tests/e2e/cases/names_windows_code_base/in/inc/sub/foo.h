int foo_h = 1;
const char *foo_file = __FILE__;
