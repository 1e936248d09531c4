#ifndef RECORD_H
#define RECORD_H
#include "util.h"

#define PRICE_FACTOR 100

typedef struct record {
    int id;
    long price;
    char name[MAX(MAX_RECORDS, 32)];
} record_t;

DECLARE_GETTER(int, count);
DECLARE_GETTER(const char *, version);

#endif
