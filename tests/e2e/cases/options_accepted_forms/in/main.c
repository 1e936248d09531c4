a _RTLDLL b
