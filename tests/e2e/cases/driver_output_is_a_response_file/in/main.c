int m;
