/* main.c 1: */
/* main.c 2: */
/* main.c 3: */
/* main.c 4: */
/* main.c 5: */
/* main.c 6: */
/* main.c 7: */
/* main.c 8: */
/* main.c 9: */found_xy found_xy
/* main.c 10: */12 1.5 0x1F 1e3
/* main.c 11: */LR leftR
/* main.c 12: */a1b
/* main.c 13: */y x |
/* main.c 14: */prefix_L L_suffix
/* main.c 15: */-> ++ <<= ||
/* main.c 16: */
/* main.c 17: */