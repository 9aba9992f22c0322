// SPDX-License-Identifier: MIT
// A shape made of solids touching at flat joints; its results are sums.
#pragma once

#include "model/primitive3D.h"

#include <memory>
#include <utility>
#include <vector>

class TPrimitiveCompound : public TPrimitive {
public:
    bool init() override;
    void setVar(const QString& name, double value) override;
    // Sum of the volumes of the solids.
    virtual double getMeasure() const;
    // Sum of the surfaces, less both sides of every joint.
    virtual double getArea() const;

protected:
    TPrimitiveCompound() = default;

private:
    std::vector<std::pair<QString, std::unique_ptr<T3DPrimitive>>> m_solids;
    std::vector<std::pair<QString, std::unique_ptr<T2DPrimitive>>> m_joints;
};
