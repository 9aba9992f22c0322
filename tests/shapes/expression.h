// SPDX-License-Identifier: MIT
// A reader of the substituted formulas of a working, for the tests: it knows
// the school notation the working writes (· / + − ² ³ √ π, ln, arcsin, arccos,
// tan, sin, cos, sin², cos², E(k), E(φ, k), F(φ, k)) and evaluates in long
// double. The elliptic integrals are its own quadratures, so that a working is
// checked against nothing the program computes.
#pragma once

#include <QChar>
#include <QString>

struct Evaluation {
    long double value = 0;
    // Empty when the text was read to its end.
    QString error;
};

// Numbers are written with the separator given; with a decimal comma the
// arguments of a function part with ";", else with ",".
Evaluation evaluate(const QString& text, QChar separator);

// Complete and incomplete elliptic integrals of modulus k (0 ≤ k ≤ 1), by
// adaptive Gauss–Legendre quadrature in long double.
long double ellipticE(long double k);
long double ellipticE(long double phi, long double k);
long double ellipticF(long double phi, long double k);
