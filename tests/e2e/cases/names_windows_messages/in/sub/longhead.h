#ifdef __USING_STD_NAMES__
int std_names = __USING_STD_NAMES__;
#endif
const char *long_file = __FILE__;
