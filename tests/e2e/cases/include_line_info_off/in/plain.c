only
