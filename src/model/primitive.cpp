// SPDX-License-Identifier: MIT
#include "model/primitive.h"

#include "base/numbers.h"
#include "model/messages.h"
#include "model/working.h"
#include "model/xmlNodes.h"

#include <libxml/tree.h>

#include <limits>
#include <optional>

namespace {

constexpr QChar StoreSeparator = QLatin1Char('.');

} // namespace

bool TPrimitive::init()
{
    m_vars = TArray::create();
    m_inputFlags = TArray::create();
    m_extraVars = TArray::create();
    m_extraFlags = TArray::create();
    m_titles = TArray::create();
    return true;
}

void TPrimitive::setVar(const QString& name, double value)
{
    if (!m_vars->find(name))
        return;
    // The store always writes the point: a change of the separator in force
    // must not change what a shape holds.
    m_vars->setString(name, generalText(value, StoreSeparator));
}

bool TPrimitive::renameVar(const QString& oldName, const QString& newName)
{
    if (!m_vars->find(oldName)) {
        showMessage(QStringLiteral("[%1 => renameVar]: Variable {%2} doesn't found!").arg(m_classId, oldName));
        return false;
    }
    if (m_vars->find(newName)) {
        showMessage(QStringLiteral("[%1 => renameVar]: New variable name {%2} already exists!").arg(m_classId, newName));
        return false;
    }
    return m_vars->renameKey(oldName, newName);
}

void TPrimitive::addCategory(const QString& name)
{
    m_category += QLatin1Char(':') + name;
}

QString TPrimitive::getTitle(const QString& language) const
{
    const QString title = m_titles->getString(language);
    return title.isEmpty() ? m_id : title;
}

void TPrimitive::setTitle(const QString& title, const QString& language)
{
    m_titles->setString(language, title);
}

void TPrimitive::addVar(const QString& name)
{
    m_vars->setString(name, QStringLiteral("0"));
    m_inputFlags->setInteger(name, 1);
}

void TPrimitive::addExtraVar(const QString& name)
{
    addVar(name);
    hideVar(name);
    m_extraVars->setString(name, QStringLiteral("0"));
    m_extraFlags->setInteger(name, 1);
}

void TPrimitive::hideVar(const QString& name)
{
    if (m_vars->find(name))
        m_inputFlags->setInteger(name, 0);
}

double TPrimitive::getVar(const QString& name) const
{
    const QString text = m_vars->getString(name);
    // A derived value that could not be computed was stored as "nan" or "inf";
    // it must reach the calculator as such, not as a plausible 0.
    if (text == QLatin1String("nan") || text == QLatin1String("-nan"))
        return std::numeric_limits<double>::quiet_NaN();
    if (text == QLatin1String("inf"))
        return std::numeric_limits<double>::infinity();
    if (text == QLatin1String("-inf"))
        return -std::numeric_limits<double>::infinity();
    return readDecimal(text, StoreSeparator).value_or(0.0);
}

bool TPrimitive::isInputVar(const QString& name) const
{
    return m_vars->find(name) && m_inputFlags->getInteger(name) != 0;
}

bool TPrimitive::isExtraVar(const QString& name) const
{
    return m_extraFlags->find(name) && m_extraFlags->getInteger(name) != 0;
}

int TPrimitive::varCount() const
{
    return m_vars->count();
}

QString TPrimitive::varName(int index) const
{
    if (index < 0 || index >= m_vars->count())
        return {};
    return m_vars->keyAt(index).text();
}

int TPrimitive::extraVarCount() const
{
    return m_extraVars->count();
}

QString TPrimitive::extraVarName(int index) const
{
    if (index < 0 || index >= m_extraVars->count())
        return {};
    return m_extraVars->keyAt(index).text();
}

bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20
            || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

bool TPrimitive::loadFromXml(const xmlNode* element)
{
    if (!element || !isElementNamed(element, "shape"))
        return false;
    const std::optional<QString> id = attributeText(element, "id");
    if (!id || *id != m_id)
        return false;
    for (const xmlNode* child = element->children; child; child = child->next) {
        if (isElementNamed(child, "name")) {
            const auto title = attributeText(child, "title");
            const auto language = attributeText(child, "lang");
            if (title && language)
                setTitle(*title, *language);
        } else if (isElementNamed(child, "image")) {
            // A name that could reach outside the picture folders means no picture.
            if (const auto image = attributeText(child, "name"))
                setImage(isPlainFileName(*image) ? *image : QString());
        }
    }
    return true;
}

void TPrimitive::explain(TWorking&) const
{
}

void TPrimitive::explainGiven(TWorking& working) const
{
    working.heading(QStringLiteral("workgiven"));
    for (int i = 0; i < varCount(); ++i) {
        const QString name = varName(i);
        if (isInputVar(name))
            working.given(name, getVar(name));
    }
}
