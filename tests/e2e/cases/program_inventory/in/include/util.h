#ifndef UTIL_H
#define UTIL_H

#include "config.h"

#define MIN(a, b) ((a) < (b) ? (a) : (b))
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define ARRAY_SIZE(arr) (sizeof(arr) / sizeof((arr)[0]))
#define SCALE(v, f) ((v) * (f))
#define EXIT_OK 0
#define EXIT_FAIL 1

#ifdef DEBUG_BUILD
#define LOG(fmt, arg) printf("[" PLATFORM "] " fmt "\n", arg)
#else
#define LOG(fmt, arg) ((void)0)
#endif

#define CONCAT(a, b) a##b
#define DECLARE_GETTER(type, name) type CONCAT(get_, name)(void)

#endif
