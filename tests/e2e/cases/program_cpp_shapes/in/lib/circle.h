#ifndef CIRCLE_H
#define CIRCLE_H
#include "shape.h"
#define PI 3.14159

struct Circle : Shape {
    double r;
    explicit Circle(double radius) : r(radius) {}
    double area() const { return PI * r * r; }
};

inline Shape *make_circle(double r) { return new Circle(r); }
#endif
