 rest
