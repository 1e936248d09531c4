 b
