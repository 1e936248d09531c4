#line 20
form feed before the number
#line30 "v.c"
vertical tab before it, form feed before the name
#line 40 "w.c"
blanks after the name
end
