#line 1 "shapes.cpp"



#line 1 "lib/platform.h"



#pragma  pack(push, 8)










#pragma  pack(pop)



#line 3 "shapes.cpp"


#line 1 "lib/shape.h"






struct Shape {
virtual double area() const = 0;
virtual ~Shape() {}
};









extern "C" void trace(const char *what, double value) throw();




#line 4 "shapes.cpp"


#line 1 "lib/circle.h"






struct Circle : Shape {
double r;
explicit Circle(double radius) : r(radius) {}
double area() const { return 3.14159 * r * r; }
};

inline Shape *make_circle(double r) { return new Circle(r); }



#line 5 "shapes.cpp"


#line 1 "lib/square.h"





struct Square : Shape {
double side;
explicit Square(double s) : side(s) {}
double area() const { return side * side; }
};

inline Shape *make_square(double s) { return new Square(s); }



#line 6 "shapes.cpp"





namespace demo {



static Shape *all[] = {
make_circle(2.0),

make_square(3.0),
0
};

}  

int main()
{
double total = 0;
for (Shape **s = demo::all; *s; ++s)
total += ((*s)->area());
trace("total", (total));
return total > 100.0 ? 1 : 0;
}

