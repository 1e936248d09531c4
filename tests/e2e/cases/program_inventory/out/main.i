/* src/main.c 1: */
/* src/main.c 2: */

/* include/config.h 1: */

/* include/config.h 2: */
/* include/config.h 3: */
/* include/config.h 4: */
/* include/config.h 5: */
/* include/config.h 6: */
/* include/config.h 7: */
/* include/config.h 8: */
/* include/config.h 9: */
/* include/config.h 10: */
/* include/config.h 11: */
/* include/config.h 12: */
/* include/config.h 13: */
/* include/config.h 14: */
/* include/config.h 15: */
/* include/config.h 16: */
/* include/config.h 17: */
/* include/config.h 18: */
/* include/config.h 19: */
/* include/config.h 20: */
/* include/config.h 21: */
/* include/config.h 22: */
/* include/config.h 23: */
/* include/config.h 24: */
/* src/main.c 3: */

/* include/util.h 1: */

/* include/util.h 2: */
/* include/util.h 3: */
/* include/util.h 4: */
/* include/util.h 5: */
/* include/util.h 6: */
/* include/util.h 7: */
/* include/util.h 8: */
/* include/util.h 9: */
/* include/util.h 10: */
/* include/util.h 11: */
/* include/util.h 12: */
/* include/util.h 13: */
/* include/util.h 14: */
/* include/util.h 15: */
/* include/util.h 16: */
/* include/util.h 17: */
/* include/util.h 18: */
/* include/util.h 19: */
/* include/util.h 20: */
/* include/util.h 21: */
/* include/util.h 22: */
/* include/util.h 23: */
/* include/util.h 24: */
/* src/main.c 4: */

/* include/record.h 1: */

/* include/record.h 2: */
/* include/record.h 3: */
/* include/record.h 4: */
/* include/record.h 5: */
/* include/record.h 6: */
/* include/record.h 7: */typedef struct record {
/* include/record.h 8: */int id;
/* include/record.h 9: */long price;
/* include/record.h 10: */char name[((16) > (32) ? (16) : (32))];
/* include/record.h 11: */} record_t;
/* include/record.h 12: */
/* include/record.h 13: */int get_count(void);
/* include/record.h 14: */const char * get_version(void);
/* include/record.h 15: */
/* include/record.h 16: */
/* include/record.h 17: */
/* include/record.h 18: */
/* src/main.c 5: */
/* src/main.c 6: */
/* src/main.c 7: */
/* src/main.c 8: */
/* src/main.c 9: */static const char *title = "Inventory " "2" "." "7";
/* src/main.c 10: */
/* src/main.c 11: */int main(int argc, char **argv)
/* src/main.c 12: */{
/* src/main.c 13: */record_t items[16];
/* src/main.c 14: */int count = 0;
/* src/main.c 15: */unsigned i;
/* src/main.c 16: */
/* src/main.c 17: */printf("[" "win32" "] " "starting %s" "\n", title);
/* src/main.c 18: */
/* src/main.c 19: */
/* src/main.c 20: */
/* src/main.c 21: */for (i = 0; i < (sizeof(items) / sizeof((items)[0])); ++i) {
/* src/main.c 22: */items[i].id = (int)i;
/* src/main.c 23: */items[i].price = ((i + 1) * (100));
/* src/main.c 24: */}
/* src/main.c 25: */count = 
/* src/main.c 26: */((argc) < (16) ? (argc) : (16));
/* src/main.c 27: */printf("[" "win32" "] " "separator is %c" "\n", '\\');
/* src/main.c 28: */return count > 0 ? 0 : 1;
/* src/main.c 29: */}
/* src/main.c 30: */
/* src/main.c 31: */int get_count(void) { return 16; }
/* src/main.c 32: */
/* src/main.c 33: */

/*
File: src/main.c  Total lines compiled: 99
  include/config.h: included:1, lines:24\24
  include/util.h: included:1, lines:24\24
  include/record.h: included:1, lines:18\18

*/
