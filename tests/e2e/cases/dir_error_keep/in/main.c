kept
#define X 1
#error spliced \
text X
never
