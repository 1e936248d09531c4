a @ b
$x `y`
z # w
v \ u
ÿ
