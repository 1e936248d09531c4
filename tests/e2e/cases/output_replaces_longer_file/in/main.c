int old_contents_are_gone;
#define N 3
int a[N];
