ok
