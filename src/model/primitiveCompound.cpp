// SPDX-License-Identifier: MIT
#include "model/primitiveCompound.h"

bool TPrimitiveCompound::init()
{
    const bool result = TPrimitive::init();
    m_solids.clear();
    m_joints.clear();
    return result;
}

void TPrimitiveCompound::setVar(const QString& name, double value)
{
    TPrimitive::setVar(name, value);
    for (auto& solid : m_solids)
        solid.second->setVar(name, value);
    for (auto& joint : m_joints)
        joint.second->setVar(name, value);
}

double TPrimitiveCompound::getMeasure() const
{
    double sum = 0.0;
    for (const auto& solid : m_solids)
        sum += solid.second->getMeasure();
    return sum;
}

double TPrimitiveCompound::getArea() const
{
    double sum = 0.0;
    for (const auto& solid : m_solids)
        sum += solid.second->getArea();
    for (const auto& joint : m_joints)
        sum -= 2 * joint.second->getArea();
    return sum;
}
