int order_h_in_inc;
