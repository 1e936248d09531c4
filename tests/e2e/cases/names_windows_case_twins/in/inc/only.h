int only_h;
