// SPDX-License-Identifier: MIT
// The data files shipped in data/langs are complete and fit the interface.
#include "lang/profile.h"
#include "message_recorder.h"
#include "model/primitivesLibrary.h"
#include "shapes/catalogue.h"

#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

QString dataFile(const char* name)
{
    return QStringLiteral(KOLVENT_SOURCE_DATA "/langs/") + QString::fromUtf8(name);
}

const QStringList ShippedLanguages = {QStringLiteral("en"), QStringLiteral("ru")};

// Widest caption a 150-pixel thumbnail shows uncut in the default sans font.
constexpr int MaxTitleLength = 24;

// The catalogue: id, group, categories, as the shapes are registered.
struct Registered {
    const char* id;
    const char* group;
    const char* category;
};
const Registered Catalogue[] = {
    {"rhomb", "flat", "parallelograms"},
    {"triangle", "flat", "triangular"},
    {"triangle:isosceles:2", "flat", "triangular"},
    {"ellipse", "flat", "circular"},
    {"cone:elliptic", "solid", "conical"},
    {"ellipse:half", "flat", "circular"},
    {"triangle:isosceles:1", "flat", "triangular"},
    {"triangle:equilateral", "flat", "triangular"},
    {"square", "flat", "parallelograms"},
    {"trapezium:isosceles", "flat", "polygonal"},
    {"ellipse:halves", "flat", "circular"},
    {"ellipsoid:half", "solid", "spherical"},
    {"sphere", "solid", "spherical"},
    {"circle", "flat", "circular"},
    {"spheroid:half", "solid", "spherical"},
    {"spheroid", "solid", "spherical"},
    {"ellipsoid", "solid", "spherical"},
    {"cone:round:frustum", "solid", "conical"},
    {"cylinder", "solid", "cylindrical"},
    {"cylinder:elliptic:half", "solid", "cylindrical"},
    {"prism", "solid", "prismatic"},
    {"prism:square", "solid", "prismatic:cuboids"},
    {"prism:triangle", "solid", "prismatic"},
    {"regpolygon", "flat", "polygonal:regular"},
    {"prism:right", "solid", "prismatic"},
    {"circle:half", "flat", "circular"},
    {"rectangle", "flat", "parallelograms"},
    {"prism:rectangle", "solid", "prismatic:cuboids"},
    {"cylinder:round:half", "solid", "cylindrical"},
    {"cylinder:elliptic", "solid", "cylindrical"},
    {"cylinder:round", "solid", "cylindrical"},
    {"prism:rhomb", "solid", "prismatic"},
    {"sphere:cap", "solid", "spherical"},
    {"sphere:half", "solid", "spherical"},
    {"cone:round", "solid", "conical"},
};

class TListedShape : public TPrimitive {
public:
    explicit TListedShape(const Registered& entry) : m_entry(entry) {}
    bool init() override
    {
        const bool result = TPrimitive::init();
        setId(QString::fromUtf8(m_entry.id));
        setGroup(QString::fromUtf8(m_entry.group));
        setCategory(QString::fromUtf8(m_entry.category));
        return result;
    }

private:
    Registered m_entry;
};

void loadShippedCatalogues(TPrimitivesLibrary& library)
{
    library.loadShapeNames(dataFile("flat.xml"));
    library.loadShapeNames(dataFile("solid.xml"));
    library.loadCategories(dataFile("categories.xml"));
}

// Every shape has a title in each language and a plain picture name; every
// category it carries is titled in each language within its group.
void expectComplete(const TPrimitivesLibrary& library)
{
    const IMultiArray titles = library.categoryTitles();
    std::map<QString, QSet<QString>> titlesSeen;
    for (const auto& [id, shape] : library.shapesById()) {
        EXPECT_TRUE(isPlainFileName(shape->getImage())) << id.toStdString();
        EXPECT_TRUE(shape->getImage().endsWith(QLatin1String(".gif"))) << id.toStdString();
        for (const QString& language : ShippedLanguages) {
            const QString title = shape->getTitle(language);
            EXPECT_NE(title, shape->getId()) << id.toStdString() << " has no " << language.toStdString() << " title";
            EXPECT_LE(title.size(), MaxTitleLength) << title.toStdString();
            EXPECT_FALSE(titlesSeen[shape->getGroup() + language].contains(title)) << title.toStdString();
            titlesSeen[shape->getGroup() + language].insert(title);
        }
        for (const QString& category : shape->getCategory().split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            ASSERT_TRUE(titles->find(shape->getGroup())) << shape->getGroup().toStdString();
            const IMultiArray group = titles->child(shape->getGroup());
            ASSERT_TRUE(group->find(category)) << category.toStdString();
            for (const QString& language : ShippedLanguages) {
                const IMultiArray byLanguage = group->child(category);
                EXPECT_TRUE(byLanguage->find(language)) << category.toStdString() << " " << language.toStdString();
                EXPECT_FALSE(byLanguage->child(language)->nodeText().isEmpty())
                    << category.toStdString() << " " << language.toStdString();
            }
        }
    }
}

TEST(ShippedCatalogues, CoverTheWholeCatalogue)
{
    TPrimitivesLibrary library;
    for (const Registered& entry : Catalogue)
        library.addPrimitive(create<TListedShape>(entry));
    ASSERT_EQ(library.shapesById().size(), 35u);
    MessageRecorder recorder;
    loadShippedCatalogues(library);
    EXPECT_TRUE(recorder.messages.isEmpty()) << recorder.messages.join(QLatin1Char('\n')).toStdString();
    expectComplete(library);

    const IMultiArray titles = library.categoryTitles();
    QStringList groups;
    for (titles->first(); !titles->eof(); titles->next())
        groups << titles->currentKey().text();
    EXPECT_EQ(groups, QStringList({QStringLiteral("flat"), QStringLiteral("solid")}));
    EXPECT_EQ(titles->child(QStringLiteral("flat"))->count(), 5);
    EXPECT_EQ(titles->child(QStringLiteral("solid"))->count(), 5);
}

TEST(ShippedCatalogues, FitEveryRegisteredShape)
{
    TPrimitivesLibrary library;
    registerCatalogue(library);
    std::map<QString, QString> imagesOfInit;
    for (const auto& [id, shape] : library.shapesById())
        imagesOfInit[id] = shape->getImage();

    QSet<QString> listed;
    for (const Registered& entry : Catalogue)
        listed.insert(QString::fromUtf8(entry.id));
    MessageRecorder recorder;
    loadShippedCatalogues(library);
    // Shapes still to be written are the only ones a catalogue may name in vain.
    for (const QString& message : recorder.messages) {
        const qsizetype open = message.indexOf(QLatin1String("Primitive \""));
        ASSERT_GE(open, 0) << message.toStdString();
        const QString id = message.mid(open + 11).section(QLatin1Char('"'), 0, 0);
        EXPECT_TRUE(listed.contains(id)) << message.toStdString();
        EXPECT_FALSE(library.findPrimitive(id)) << message.toStdString();
    }
    for (const auto& [id, shape] : library.shapesById()) {
        EXPECT_TRUE(listed.contains(id)) << id.toStdString();
        // The catalogue names the same picture as the shape itself, where it names one.
        if (!imagesOfInit[id].isEmpty()) {
            EXPECT_EQ(shape->getImage(), imagesOfInit[id]) << id.toStdString();
        }
    }
    expectComplete(library);
}

TEST(ShippedLanguageFiles, HoldEveryInterfaceText)
{
    const QStringList keys = {
        "selshape",       "noimage",        "calculate",      "moreinfo",       "hideinfo",
        "volume",         "perimeter",      "area",           "cpyvol",         "cpyperim",
        "cpyarea",        "checkcategory",  "ok",             "cancel",         "calculation",
        "floatprecise",   "decseparator",   "lang",           "dot",            "comma",
        "mnuSettings",    "mnuView",        "mnuViewFlatAll", "mnuViewFlatCategories",
        "mnuViewSolidAll", "mnuViewSolidCategories", "mnuHelp", "mnuHelpAbout", "mnuQuit",
        "frmSettings",    "frmCategories",  "frmSelectImage", "frmAbout",       "aboutversion",
        "aboutnotice",    "aboutcomments",  "precisionrange", "noshapes",
        "frmWorking",     "working",        "workinghint",    "mnuWorking",     "copyworking",
        "close",          "worknoshape",
    };
    std::map<QString, QString> english;
    std::vector<QSet<QString>> namesByLanguage;
    for (const QString& language : ShippedLanguages) {
        const std::optional<TProfile> profile = TProfile::read(dataFile("kolvent.") + language);
        ASSERT_TRUE(profile);
        const QString where = QStringLiteral("kolvent.") + language;
        for (const QString& key : keys) {
            const QString text = profile->value(QStringLiteral("DEFAULT"), key);
            EXPECT_FALSE(text.isEmpty()) << where.toStdString() << ": " << key.toStdString();
            if (language == QLatin1String("en")) {
                english[key] = text;
            } else {
                EXPECT_NE(text, english[key]) << where.toStdString() << ": " << key.toStdString() << " untranslated";
            }
        }
        // Both files hold the same texts: the ones above and any a window adds.
        QSet<QString> names;
        for (const QString& key : profile->entryNames(QStringLiteral("DEFAULT"))) {
            EXPECT_FALSE(profile->value(QStringLiteral("DEFAULT"), key).isEmpty()) << key.toStdString();
            names.insert(key.toLower());
        }
        namesByLanguage.push_back(names);
        const QStringList dialog = profile->entryNames(QStringLiteral("FORMCategories"));
        for (const QString& control : {QStringLiteral("btnOK.hint"), QStringLiteral("btnCancel.hint")})
            EXPECT_TRUE(dialog.contains(control)) << where.toStdString() << ": " << control.toStdString();
        EXPECT_FALSE(profile->value(QStringLiteral("FORMCategories"), QStringLiteral("lblCheckCategories")).isEmpty());
    }
    ASSERT_EQ(namesByLanguage.size(), 2u);
    EXPECT_EQ(namesByLanguage[0], namesByLanguage[1]);
    EXPECT_EQ(english[QStringLiteral("noimage")], QStringLiteral("NO IMAGE"));
}

} // namespace
