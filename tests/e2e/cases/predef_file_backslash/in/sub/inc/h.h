char *d = __FILE__;
