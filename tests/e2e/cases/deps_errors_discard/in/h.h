int h;
