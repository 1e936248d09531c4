int spelt_Twin_h_in_Inc;
