#ifndef G_H
#define G_H
g_body
#endif
