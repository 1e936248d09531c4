int o;
