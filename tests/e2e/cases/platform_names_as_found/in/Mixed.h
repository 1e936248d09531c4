M
