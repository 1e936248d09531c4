int ok;
