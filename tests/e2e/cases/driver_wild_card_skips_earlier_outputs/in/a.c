int a;
