int spelt_twin_h_in_inc;
