/* Inventory report: fills a table of records and prints a summary. */
#include "config.h"
#include "util.h"
#include "record.h"
#include "util.h"

#define REPORT_TITLE "Inventory " VERSION_TEXT

static const char *title = REPORT_TITLE;

int main(int argc, char **argv)
{
    record_t items[MAX_RECORDS];
    int count = 0;
    unsigned i;
#ifdef DEBUG_BUILD
    LOG("starting %s", title);
#else
    (void)argv;
#endif
    for (i = 0; i < ARRAY_SIZE(items); ++i) {
        items[i].id = (int)i;
        items[i].price = SCALE(i + 1, PRICE_FACTOR);
    }
    count = MIN(argc,
                MAX_RECORDS);
    LOG("separator is %c", PATH_SEP);
    return count > 0 ? EXIT_OK : EXIT_FAIL;
}

DECLARE_GETTER(int, count) { return MAX_RECORDS; }
