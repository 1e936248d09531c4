int s;
