int common_h;
