#define FOO 1
