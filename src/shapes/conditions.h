// SPDX-License-Identifier: MIT
// The conditions under which dimensions give a shape, written into a working
// where they fail, with the names and numbers of the dimensions. They make the
// same tests as the formulas, which give NaN where these refuse.
#pragma once

#include <QString>
#include <QStringList>

class TWorking;

// Every named quantity of the working is a length of at least 0.
bool explainLengths(TWorking& working, const QStringList& names);
// The three sides close: the longest is no more than the sum of the others.
bool explainTriangle(TWorking& working, const QString& a, const QString& b, const QString& c);
// n is a whole number of at least 3 (or 0 with a side of 0: nothing typed yet).
bool explainPolygon(TWorking& working, const QString& n, const QString& a);
