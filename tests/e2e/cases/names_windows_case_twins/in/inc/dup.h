int spelt_dup_h;
