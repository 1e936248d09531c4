quoted
