// SPDX-License-Identifier: MIT
// Perimeters and areas of plane figures. Pure functions: they hold no state and
// report nothing. A figure that cannot exist gives 0; an arithmetic fault (a
// negative value under a root or under a real power) gives NaN.
// Lengths are full diameters and full axes unless a name says otherwise.
#pragma once

double CircleArea(double d);
double CirclePerimeter(double d);
double CircleHalfArea(double d);
// The arc plus the straight diameter.
double CircleHalfPerimeter(double d);

double EllipseArea(double A, double B);
// Power-mean approximation of the circumference from the full axes.
double EllipsePerimeter(double A, double B);
// A is the full axis along the cut, B the semi-axis across it.
double EllipseHalfArea(double A, double B);
// The curved arc alone, without the straight edge.
double EllipseHalfPerimeter(double A, double B);

double RectangleArea(double a, double b);
double RectanglePerimeter(double a, double b);

// p and q are the diagonals.
double RhombArea(double p, double q);
double RhombSide(double p, double q);
double RhombPerimeter(double p, double q);

// a and b are the parallel sides, h the height.
double TrapeziumArea(double a, double b, double h);
double TrapeziumIsoscelesPerimeter(double a, double b, double h);

// Whether three sides close (a degenerate triple does); NaN never does.
bool TriangleTest(double a, double b, double c);
// 0 for sides that do not close.
double TrianglePerimeter(double a, double b, double c);
// Heron; 0 for sides that do not close and for a degenerate triple.
double TriangleArea(double a, double b, double c);
double TriangleAreaByHeight(double b, double h);
// Height onto side a of the triangle a, b, c, from the projection of c onto a.
// Rounding on a degenerate triangle can leave the radicand below zero: 0 then.
double TriangleHeight(double a, double b, double c);

// Area of the regular n-gon of side a; 0 for n outside 3..12.
double PolygonRegularArea(int n, double a);
double PentagonArea(double a);
double HexagonArea(double a);
double HeptagonArea(double a);
double OctagonArea(double a);
double NonagonArea(double a);
double DecagonArea(double a);
double HendecagonArea(double a);
double DodecagonArea(double a);
