a
