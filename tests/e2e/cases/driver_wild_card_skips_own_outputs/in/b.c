int b;
