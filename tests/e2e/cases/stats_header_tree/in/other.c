alone
