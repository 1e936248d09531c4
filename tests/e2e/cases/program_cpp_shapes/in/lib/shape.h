#ifndef SHAPE_H
#define SHAPE_H

#include <platform>

struct Shape {
    virtual double area() const = 0;
    virtual ~Shape() {}
};

#define AREA(s) ((s)->area())
#define LIMIT 100.0
#ifdef TRACING
#define TRACE(x) trace(#x, (x))
#else
#define TRACE(x)
#endif

EXTERN_C void trace(const char *what, double value) NOTHROW;

#endif
