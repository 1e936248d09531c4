a •\ b
‚ ± c
