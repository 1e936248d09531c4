int three_h;
const char *three_file = __FILE__;
