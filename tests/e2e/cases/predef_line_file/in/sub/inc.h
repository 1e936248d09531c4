first
__LINE__ __FILE__
