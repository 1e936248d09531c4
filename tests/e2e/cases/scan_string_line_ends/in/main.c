s = "abcd";
t = "ef\
gh";
u = "ij\\";
v = "kl mn";
w
