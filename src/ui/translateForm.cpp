// SPDX-License-Identifier: MIT
#include "ui/translateForm.h"

#include "lang/profile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>

namespace {

QObject* findControl(QWidget* window, const QString& name)
{
    const QList<QObject*> children = window->findChildren<QObject*>();
    for (QObject* child : children) {
        if (QString::compare(child->objectName(), name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

// The tab widget that shows the widget as one of its pages, and the page's index.
QTabWidget* owningTabs(QWidget* page, int& index)
{
    QWidget* stack = page->parentWidget();
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    index = tabs ? tabs->indexOf(page) : -1;
    return index >= 0 ? tabs : nullptr;
}

void setCaption(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        label->setToolTip(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(text);
    } else if (qobject_cast<QPushButton*>(control) || qobject_cast<QCheckBox*>(control)
               || qobject_cast<QRadioButton*>(control)) {
        static_cast<QAbstractButton*>(control)->setText(text);
    } else {
        int index = -1;
        if (QTabWidget* tabs = owningTabs(control, index))
            tabs->setTabText(index, text);
    }
}

} // namespace

void translateForm(QWidget* window, const QString& section, const QString& path)
{
    if (!window || section.isEmpty() || !QFileInfo::exists(path))
        return;
    const std::optional<TProfile> profile = TProfile::read(path);
    if (!profile)
        return;
    const QLatin1String hintSuffix(".hint");
    for (const QString& entry : profile->entryNames(section)) {
        if (entry.isEmpty())
            continue;
        const QString value = profile->value(section, entry);
        if (value.isEmpty())
            continue;
        const qsizetype hintAt = entry.indexOf(hintSuffix, 0, Qt::CaseInsensitive);
        const QString controlName = hintAt >= 0 ? entry.left(hintAt) : entry;
        QObject* component = findControl(window, controlName);
        if (!component)
            continue;
        auto* control = qobject_cast<QWidget*>(component);
        if (!control)
            continue;
        if (hintAt >= 0)
            control->setToolTip(value);
        else
            setCaption(control, value);
    }
}
