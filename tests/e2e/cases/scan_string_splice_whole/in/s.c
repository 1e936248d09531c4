const char *s = "abc\
def\
ghi";
int n;
const char *t = L"x\
\
y" "z";
const char *u = "open\
end
int m;
