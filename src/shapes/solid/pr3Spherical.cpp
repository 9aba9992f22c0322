// SPDX-License-Identifier: MIT
#include "shapes/solid/pr3Spherical.h"

#include "shapes/flat/Formulas2D.h"
#include "shapes/flat/pr2Circle.h"
#include "shapes/solid/Formulas3D.h"
#include "shapes/solid/identity.h"

#include <limits>

T2DSurfSphereHalf::T2DSurfSphereHalf()
    : T2DSurfSphereHalf(QStringLiteral("l"))
{
}

T2DSurfSphereHalf::T2DSurfSphereHalf(const QString& l)
    : m_l(l)
{
}

bool T2DSurfSphereHalf::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:sphere:half"));
    addVar(m_l);
    return result;
}

double T2DSurfSphereHalf::getArea() const
{
    return SphereArea(getVar(m_l)) / 2.0;
}

T2DSurfSphereCap::T2DSurfSphereCap()
    : T2DSurfSphereCap(QStringLiteral("a"), QStringLiteral("h"))
{
}

T2DSurfSphereCap::T2DSurfSphereCap(const QString& a, const QString& h)
    : m_a(a)
    , m_h(h)
{
}

bool T2DSurfSphereCap::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:sphere:cap"));
    addVar(m_a);
    addVar(m_h);
    return result;
}

double T2DSurfSphereCap::getArea() const
{
    // A cap of no height is its base disc, the limit of the curved surface.
    return SphereCapLateralArea(getVar(m_a), getVar(m_h));
}

T2DSurfSpheroidHalf::T2DSurfSpheroidHalf()
    : T2DSurfSpheroidHalf(QStringLiteral("l"), QStringLiteral("h"))
{
}

T2DSurfSpheroidHalf::T2DSurfSpheroidHalf(const QString& l, const QString& h)
    : m_l(l)
    , m_h(h)
{
}

bool T2DSurfSpheroidHalf::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:spheroid:half"));
    addVar(m_l);
    addVar(m_h);
    return result;
}

double T2DSurfSpheroidHalf::getArea() const
{
    return SpheroidArea(getVar(m_l), 2.0 * getVar(m_h)) / 2.0;
}

T2DSurfEllipsoidHalf::T2DSurfEllipsoidHalf()
    : T2DSurfEllipsoidHalf(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T2DSurfEllipsoidHalf::T2DSurfEllipsoidHalf(const QString& l, const QString& w, const QString& h)
    : m_l(l)
    , m_w(w)
    , m_h(h)
{
}

bool T2DSurfEllipsoidHalf::init()
{
    const bool result = T2DSurface::init();
    setIdentity(*this, QStringLiteral("surf:ellipsoid:half"));
    addVar(m_l);
    addVar(m_w);
    addVar(m_h);
    return result;
}

double T2DSurfEllipsoidHalf::getArea() const
{
    return EllipsoidArea(getVar(m_l), getVar(m_w), 2.0 * getVar(m_h)) / 2.0;
}

bool T3DSpherical::init()
{
    const bool result = T3DPrimitive::init();
    setCategory(QStringLiteral("spherical"));
    return result;
}

T3DSphere::T3DSphere()
    : T3DSphere(QStringLiteral("l"))
{
}

T3DSphere::T3DSphere(const QString& l)
    : m_sphereL(l)
{
}

bool T3DSphere::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("sphere"), QStringLiteral("sphere.gif"));
    addVar(m_sphereL);
    return result;
}

double T3DSphere::getMeasure() const
{
    return SphereVolume(getVar(m_sphereL));
}

double T3DSphere::getArea() const
{
    return SphereArea(getVar(m_sphereL));
}

T3DSpheroid::T3DSpheroid()
    : T3DSpheroid(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DSpheroid::T3DSpheroid(const QString& l, const QString& h)
    : T3DSphere(l)
    , m_l(l)
    , m_h(h)
{
}

bool T3DSpheroid::init()
{
    const bool result = T3DSphere::init();
    setIdentity(*this, QStringLiteral("spheroid"), QStringLiteral("spheroid.gif"));
    addVar(m_h);
    return result;
}

double T3DSpheroid::getMeasure() const
{
    return SpheroidVolume(getVar(m_l), getVar(m_h));
}

double T3DSpheroid::getArea() const
{
    return SpheroidArea(getVar(m_l), getVar(m_h));
}

T3DSphereHalf::T3DSphereHalf()
    : T3DSphereHalf(QStringLiteral("l"))
{
}

T3DSphereHalf::T3DSphereHalf(const QString& l)
    : m_l(l)
{
}

bool T3DSphereHalf::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("sphere:half"), QStringLiteral("sphere_half.gif"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_l), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfSphereHalf>(m_l), false);
    addVar(m_l);
    return result;
}

double T3DSphereHalf::getMeasure() const
{
    return SphereVolume(getVar(m_l)) / 2.0;
}

double T3DSphereHalf::getArea() const
{
    const double l = getVar(m_l);
    return SphereArea(l) / 2.0 + CircleArea(l);
}

T3DSphereCap::T3DSphereCap()
    : T3DSphereCap(QStringLiteral("a"), QStringLiteral("h"), QStringLiteral("r"))
{
}

T3DSphereCap::T3DSphereCap(const QString& a, const QString& h, const QString& r)
    : m_a(a)
    , m_h(h)
    , m_r(r)
{
}

bool T3DSphereCap::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("sphere:cap"), QStringLiteral("sphere_cap.gif"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_a), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfSphereCap>(m_a, m_h), false);
    addVar(m_a);
    addVar(m_h);
    addExtraVar(m_r);
    addExtraVar(m_lat);
    addExtraVar(m_base);
    return result;
}

void T3DSphereCap::setVar(const QString& name, double value)
{
    T3DSpherical::setVar(name, value);
    T3DPrimitive::setVar(m_r, SphereRadiusByCap(getVar(m_a), getVar(m_h)));
    storePartArea(QStringLiteral("base"), m_base);
    storePartArea(QStringLiteral("lat_surf"), m_lat);
    // A negative height leaves the base circle whole, but there is no cap.
    if (lengthFault({getVar(m_a), getVar(m_h)}) != ShapeFault::None)
        T3DPrimitive::setVar(m_base, std::numeric_limits<double>::quiet_NaN());
}

double T3DSphereCap::getMeasure() const
{
    return SphereCapVolume(getVar(m_a), getVar(m_h));
}

double T3DSphereCap::getArea() const
{
    const double a = getVar(m_a);
    return SphereCapLateralArea(a, getVar(m_h)) + CircleArea(a);
}

T3DSpheroidHalf::T3DSpheroidHalf()
    : T3DSpheroidHalf(QStringLiteral("l"), QStringLiteral("h"))
{
}

T3DSpheroidHalf::T3DSpheroidHalf(const QString& l, const QString& h)
    : m_l(l)
    , m_h(h)
{
}

bool T3DSpheroidHalf::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("spheroid:half"), QStringLiteral("spheroid_half.gif"));
    addPart(QStringLiteral("base"), create<T2DCircle>(m_l), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfSpheroidHalf>(m_l, m_h), false);
    addVar(m_l);
    addVar(m_h);
    return result;
}

double T3DSpheroidHalf::getMeasure() const
{
    return SpheroidVolume(getVar(m_l), 2.0 * getVar(m_h)) / 2.0;
}

double T3DSpheroidHalf::getArea() const
{
    const double l = getVar(m_l);
    return SpheroidArea(l, 2.0 * getVar(m_h)) / 2.0 + CircleArea(l);
}

T3DEllipsoid::T3DEllipsoid()
    : T3DEllipsoid(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DEllipsoid::T3DEllipsoid(const QString& l, const QString& w, const QString& h)
    : m_l(l)
    , m_w(w)
    , m_h(h)
{
}

bool T3DEllipsoid::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("ellipsoid"), QStringLiteral("ellipsoid.gif"));
    addVar(m_l);
    addVar(m_w);
    addVar(m_h);
    return result;
}

double T3DEllipsoid::getMeasure() const
{
    return EllipsoidVolume(getVar(m_l), getVar(m_w), getVar(m_h));
}

double T3DEllipsoid::getArea() const
{
    return EllipsoidArea(getVar(m_l), getVar(m_w), getVar(m_h));
}

T3DEllipsoidHalf::T3DEllipsoidHalf()
    : T3DEllipsoidHalf(QStringLiteral("l"), QStringLiteral("w"), QStringLiteral("h"))
{
}

T3DEllipsoidHalf::T3DEllipsoidHalf(const QString& l, const QString& w, const QString& h)
    : m_l(l)
    , m_w(w)
    , m_h(h)
{
}

bool T3DEllipsoidHalf::init()
{
    const bool result = T3DSpherical::init();
    setIdentity(*this, QStringLiteral("ellipsoid:half"), QStringLiteral("ellipsoid_half.gif"));
    addPart(QStringLiteral("base"), create<T2DEllipse>(m_l, m_w), true);
    addPart(QStringLiteral("lat_surf"), create<T2DSurfEllipsoidHalf>(m_l, m_w, m_h), true);
    addVar(m_l);
    addVar(m_w);
    addVar(m_h);
    return result;
}

double T3DEllipsoidHalf::getMeasure() const
{
    return EllipsoidVolume(getVar(m_l), getVar(m_w), 2.0 * getVar(m_h)) / 2.0;
}

double T3DEllipsoidHalf::getArea() const
{
    const double l = getVar(m_l);
    const double w = getVar(m_w);
    return EllipsoidArea(l, w, 2.0 * getVar(m_h)) / 2.0 + EllipseArea(l, w);
}
