int spelt_Dup_h;
