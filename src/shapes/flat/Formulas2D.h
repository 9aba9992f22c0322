// SPDX-License-Identifier: MIT
// Perimeters and areas of plane figures. Pure functions: they hold no state and
// report nothing. Dimensions that give no figure (a negative length, sides that
// do not close, a number of sides that is not a whole number of at least 3)
// give NaN, which the calculator refuses; the fault functions below say which
// condition failed. Lengths are full diameters and full axes unless a name
// says otherwise.
#pragma once

#include <initializer_list>

// Why a set of dimensions gives no figure.
enum class ShapeFault {
    None,
    // A length below zero (or not a number).
    NegativeLength,
    // Three sides of which the longest exceeds the sum of the other two.
    SidesDoNotClose,
    // A number of sides with a fractional part.
    SidesNotWhole,
    // A number of sides below 3 (0 passes only with a side of 0: nothing typed yet).
    TooFewSides,
};

ShapeFault lengthFault(std::initializer_list<double> lengths);
// A degenerate triple (the longest side equal to the sum of the others within
// the rounding of the typed values) closes.
ShapeFault triangleFault(double a, double b, double c);
ShapeFault polygonFault(double n, double a);

// sqrt(1 - r²) without the loss of 1 - r² near r = 1: the modulus of an
// ellipse from the ratio of its axes, and the other way round.
double Complement(double r);

// Complete elliptic integral of the second kind, given the complementary
// modulus kc = sqrt(1 - k²) so that thin ellipses lose nothing to 1 - k².
double EllipticIntegralEc(double kc);

double CircleArea(double d);
double CirclePerimeter(double d);
double CircleHalfArea(double d);
// The arc plus the straight diameter.
double CircleHalfPerimeter(double d);

double EllipseArea(double A, double B);
// Exact circumference from the full axes, by the complete elliptic integral.
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

double TrianglePerimeter(double a, double b, double c);
// Kahan's form of Heron; 0 for a degenerate triple.
double TriangleArea(double a, double b, double c);
double TriangleAreaByHeight(double b, double h);
// Height onto side a of the triangle a, b, c: twice the area over a; 0 onto a
// side of length 0.
double TriangleHeight(double a, double b, double c);

// The regular n-gon of side a. n = 0 with a = 0 is the polygon not given yet:
// perimeter and area 0.
double PolygonRegularPerimeter(double n, double a);
// The closed forms below for 3..12 sides, n/4 · cot(π/n) · a² beyond.
double PolygonRegularArea(double n, double a);
double PentagonArea(double a);
double HexagonArea(double a);
double HeptagonArea(double a);
double OctagonArea(double a);
double NonagonArea(double a);
double DecagonArea(double a);
double HendecagonArea(double a);
double DodecagonArea(double a);
