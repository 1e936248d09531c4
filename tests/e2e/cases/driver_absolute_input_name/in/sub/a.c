int a = __LINE__;
const char *f = __FILE__;
