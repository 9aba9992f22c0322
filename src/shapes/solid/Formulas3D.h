// SPDX-License-Identifier: MIT
// Volumes and surfaces of solids. Pure functions: they hold no state and report
// nothing. Every length is a full diameter, full axis or full height; a negative
// length gives NaN (lengthFault of the flat formulas names it). A length of 0
// gives the flattened solid's value: a flat spheroid is a disc counted twice.
#pragma once

// Complete elliptic integral of the second kind of the modulus k (not its
// square); NaN for |k| > 1. Where k comes from a difference, pass the
// complementary modulus to EllipticIntegralEc instead.
double EllipticIntegralE(double k);

// Incomplete elliptic integrals of the first and second kind of amplitude
// phi (0 to π/2) and modulus k, by Carlson's forms; NaN outside.
double EllipticIntegralF(double phi, double k);
double EllipticIntegralEIncomplete(double phi, double k);

double SphereArea(double d);
double SphereVolume(double d);
// d is the diameter of the cap's base circle, h the cap's height.
double SphereCapVolume(double d, double h);
// The curved surface only.
double SphereCapLateralArea(double d, double h);
// Radius of the sphere the cap is cut from; 0 for a cap of no height (a disc:
// the sphere would be a plane).
double SphereRadiusByCap(double d, double h);

// d1 is the equatorial diameter, d2 the axis of rotation.
double SpheroidVolume(double d1, double d2);
double SpheroidArea(double d1, double d2);
double SpheroidOblateVolume(double d1, double d2);
double SpheroidProlateVolume(double d1, double d2);
double SpheroidOblateArea(double d1, double d2);
double SpheroidProlateArea(double d1, double d2);

// The three full axes, in any order.
double EllipsoidVolume(double d1, double d2, double d3);
// Exact surface, the same for every order of the axes.
double EllipsoidArea(double d1, double d2, double d3);

// A is the base area, P the base perimeter.
double PrismVolume(double A, double h);
double PrismArea(double A, double P, double h);
// The sides alone: P · h.
double PrismLateralArea(double P, double h);

double ConeRoundVolume(double d, double h);
double ConeRoundLateralArea(double d, double h);
double ConeRoundArea(double d, double h);

// d1 and d2 are the two base diameters, in either order.
double ConeRoundFrustumVolume(double d1, double d2, double h);
double ConeRoundFrustumLateralArea(double d1, double d2, double h);
double ConeRoundFrustumArea(double d1, double d2, double h);

// d1 and d2 are the full axes of the base ellipse, in either order.
double ConeEllipticVolume(double d1, double d2, double h);
double ConeEllipticLateralArea(double d1, double d2, double h);
double ConeEllipticArea(double d1, double d2, double h);
