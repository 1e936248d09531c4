#ifndef CONFIG_H
#define CONFIG_H

#define VERSION_MAJOR 2
#define VERSION_MINOR 7
#define STR_(x) #x
#define STR(x) STR_(x)
#define VERSION_TEXT STR(VERSION_MAJOR) "." STR(VERSION_MINOR)

#ifdef __WIN32__
#define PLATFORM "win32"
#define PATH_SEP '\\'
#else
#define PLATFORM "other"
#define PATH_SEP '/'
#endif

#ifndef MAX_RECORDS
#define MAX_RECORDS 64
#endif

#endif /* CONFIG_H */
