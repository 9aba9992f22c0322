// SPDX-License-Identifier: MIT
// Base of every shape: identity, the variable table and the virtual operations
// through which a shape declares its variables and recomputes on a new value.
#pragma once

#include "model/arrays.h"

#include <QString>

#include <memory>
#include <utility>

struct _xmlNode;
class TWorking;

class TPrimitive {
public:
    virtual ~TPrimitive() = default;
    TPrimitive(const TPrimitive&) = delete;
    TPrimitive& operator=(const TPrimitive&) = delete;

    // Creates the five tables. Every override calls its parent's first and then
    // declares identity, parts and variables in display order.
    virtual bool init();
    // The plain store: keeps the value as text when the shape has the variable.
    virtual void setVar(const QString& name, double value);
    virtual bool renameVar(const QString& oldName, const QString& newName);
    // Writes how every value the shape shows comes about, from the values it
    // holds now; a shape without a working writes nothing.
    virtual void explain(TWorking& working) const;

    QString getClassId() const { return m_classId; }
    void setClassId(const QString& value) { m_classId = value; }
    QString getId() const { return m_id; }
    void setId(const QString& value) { m_id = value; }
    QString getCategory() const { return m_category; }
    void setCategory(const QString& value) { m_category = value; }
    void addCategory(const QString& name);
    QString getGroup() const { return m_group; }
    void setGroup(const QString& value) { m_group = value; }
    QString getImage() const { return m_image; }
    void setImage(const QString& value) { m_image = value; }
    // The title in the language, or the Id when there is none.
    QString getTitle(const QString& language) const;
    void setTitle(const QString& title, const QString& language);

    void addVar(const QString& name);
    void addExtraVar(const QString& name);
    void hideVar(const QString& name);
    double getVar(const QString& name) const;
    bool isInputVar(const QString& name) const;
    bool isExtraVar(const QString& name) const;
    int varCount() const;
    QString varName(int index) const;
    int extraVarCount() const;
    QString extraVarName(int index) const;

    // Applies one <shape> element of a catalogue file when its id is this shape's.
    bool loadFromXml(const _xmlNode* element);

protected:
    TPrimitive() = default;

    // The dimensions the user types, as the shape holds them.
    void explainGiven(TWorking& working) const;

private:
    QString m_classId;
    QString m_id;
    QString m_category = QStringLiteral("none");
    QString m_group = QStringLiteral("none");
    QString m_image;
    IStringArray m_vars;
    IIntegerArray m_inputFlags;
    IStringArray m_extraVars;
    IIntegerArray m_extraFlags;
    IStringArray m_titles;
};

// True for a bare file name: not empty, no path separator, no "..", no scheme
// or drive (":"), no control character. Pictures are opened only by such names.
bool isPlainFileName(const QString& name);

// Every shape, prototype or part, is made here: the constructor only stores the
// variable names, then the virtual init runs and sees them.
template <class T, class... Args>
std::unique_ptr<T> create(Args&&... args)
{
    std::unique_ptr<T> shape(new T(std::forward<Args>(args)...));
    shape->init();
    return shape;
}
