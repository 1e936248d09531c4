int h;
