// SPDX-License-Identifier: MIT
#include "shapes/catalogue.h"

#include "model/primitivesLibrary.h"
#include "shapes/flat/pr2Circle.h"
#include "shapes/flat/pr2Parallelograms.h"
#include "shapes/flat/pr2Polygonal.h"
#include "shapes/flat/pr2Triangle.h"
#include "shapes/solid/pr3Cone.h"
#include "shapes/solid/pr3Cylinder.h"
#include "shapes/solid/pr3Prism.h"
#include "shapes/solid/pr3Spherical.h"

// The order decides only which prototype keeps an Id registered twice; every
// list the user sees is sorted.
void registerCatalogue(TPrimitivesLibrary& library)
{
    library.addPrimitive(create<T2DRhomb>());
    library.addPrimitive(create<T2DTriangle>());
    library.addPrimitive(create<T2DTriangleIsosceles2>());
    library.addPrimitive(create<T2DEllipse>());
    library.addPrimitive(create<T3DConeElliptic>());
    library.addPrimitive(create<T2DEllipseHalf>());
    library.addPrimitive(create<T2DTriangleIsosceles>());
    library.addPrimitive(create<T2DTriangleEquilateral>());
    library.addPrimitive(create<T2DSquare>());
    library.addPrimitive(create<T2DTrapeziumIsosceles>());
    library.addPrimitive(create<T2DEllipseHalves>());
    library.addPrimitive(create<T3DEllipsoidHalf>());
    library.addPrimitive(create<T3DSphere>());
    library.addPrimitive(create<T2DCircle>());
    library.addPrimitive(create<T3DSpheroidHalf>());
    library.addPrimitive(create<T3DSpheroid>());
    library.addPrimitive(create<T3DEllipsoid>());
    library.addPrimitive(create<T3DConeRoundFrustum>());
    library.addPrimitive(create<T3DCylinder>());
    library.addPrimitive(create<T3DCylinderEllipticHalf>());
    library.addPrimitive(create<T3DPrism>());
    library.addPrimitive(create<T3DCube>());
    library.addPrimitive(create<T3DPrismTriangle>());
    library.addPrimitive(create<T2DPolygonRegular>());
    library.addPrimitive(create<T3DPrismRight>());
    library.addPrimitive(create<T2DCircleHalf>());
    library.addPrimitive(create<T2DRectangle>());
    library.addPrimitive(create<T3DBox>());
    library.addPrimitive(create<T3DCylinderRoundHalf>());
    library.addPrimitive(create<T3DCylinderElliptic>());
    library.addPrimitive(create<T3DCylinderRound>());
    library.addPrimitive(create<T3DPrismRhombic>());
    library.addPrimitive(create<T3DSphereCap>());
    library.addPrimitive(create<T3DSphereHalf>());
    library.addPrimitive(create<T3DConeRound>());
}
