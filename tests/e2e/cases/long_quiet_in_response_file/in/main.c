int y = B;
