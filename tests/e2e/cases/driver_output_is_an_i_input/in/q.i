int q;
