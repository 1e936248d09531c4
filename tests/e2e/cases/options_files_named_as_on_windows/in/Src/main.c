int cfg = FROM_CFG, rsp = FROM_RSP;
