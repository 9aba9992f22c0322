// SPDX-License-Identifier: MIT
#include "base/settings.h"
#include "message_recorder.h"
#include "model/primitive2D.h"
#include "model/primitive3D.h"
#include "model/primitiveCompound.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

// A flat shape whose variable names are chosen by its maker, as a solid's part.
class TTestSide : public T2DPrimitive {
public:
    explicit TTestSide(QString a = QStringLiteral("a"), QString b = QStringLiteral("b"))
        : m_a(std::move(a)), m_b(std::move(b))
    {
    }
    bool init() override
    {
        const bool result = T2DPrimitive::init();
        setClassId(QStringLiteral("side"));
        setId(QStringLiteral("side"));
        addVar(m_a);
        addVar(m_b);
        addExtraVar(QStringLiteral("ha"));
        return result;
    }
    void setVar(const QString& name, double value) override
    {
        TPrimitive::setVar(name, value);
        TPrimitive::setVar(QStringLiteral("ha"), getVar(m_a) * getVar(m_b));
    }
    double getMeasure() const override { return 2 * (getVar(m_a) + getVar(m_b)); }
    double getArea() const override { return getVar(m_a) * getVar(m_b); }

private:
    QString m_a;
    QString m_b;
};

// A child whose init adds after its parent's, as every family does.
class TTestSideWithHeight : public TTestSide {
public:
    bool init() override
    {
        const bool result = TTestSide::init();
        addVar(QStringLiteral("h"));
        hideVar(QStringLiteral("b"));
        return result;
    }
};

class TTestBlock : public T3DPrimitive {
public:
    bool init() override
    {
        const bool result = T3DPrimitive::init();
        setClassId(QStringLiteral("block"));
        setId(QStringLiteral("block"));
        addPart(QStringLiteral("base"), create<TTestSide>(QStringLiteral("l"), QStringLiteral("w")), true);
        addPart(QStringLiteral("lat_surf"), create<TTestSide>(QStringLiteral("w"), QStringLiteral("h")), false);
        addVar(QStringLiteral("l"));
        addVar(QStringLiteral("w"));
        addVar(QStringLiteral("h"));
        addExtraVar(QStringLiteral("Base"));
        return result;
    }
    void setVar(const QString& name, double value) override
    {
        T3DPrimitive::setVar(name, value);
        T3DPrimitive::setVar(QStringLiteral("Base"), getPartAt(0)->getArea());
    }
    double getMeasure() const override { return getVar("l") * getVar("w") * getVar("h"); }
    double getArea() const override { return 0; }
};

class TEmptyCompound : public TPrimitiveCompound {};

// Restores the separator a test changes.
struct SeparatorGuard {
    QChar saved = DecimalSeparator;
    ~SeparatorGuard() { DecimalSeparator = saved; }
};

TEST(TPrimitive, VariablesTakeTheirKindAndOrderFromTheInitChain)
{
    auto shape = create<TTestSideWithHeight>();
    ASSERT_EQ(shape->varCount(), 4);
    EXPECT_EQ(shape->varName(0), "a");
    EXPECT_EQ(shape->varName(1), "b");
    EXPECT_EQ(shape->varName(2), "ha");
    EXPECT_EQ(shape->varName(3), "h");
    EXPECT_EQ(shape->varName(-1), QString());
    EXPECT_EQ(shape->varName(4), QString());
    EXPECT_TRUE(shape->isInputVar("a"));
    EXPECT_FALSE(shape->isInputVar("b")) << "hidden by the child";
    EXPECT_FALSE(shape->isInputVar("ha"));
    EXPECT_TRUE(shape->isExtraVar("ha"));
    EXPECT_FALSE(shape->isExtraVar("a"));
    EXPECT_EQ(shape->extraVarCount(), 1);
    EXPECT_EQ(shape->extraVarName(0), "ha");
    EXPECT_EQ(shape->extraVarName(1), QString());
    EXPECT_EQ(shape->getGroup(), "flat");
    EXPECT_EQ(shape->getCategory(), "none");
    for (int i = 0; i < shape->varCount(); ++i)
        EXPECT_EQ(shape->getVar(shape->varName(i)), 0.0);
}

TEST(TPrimitive, AddVarAgainResetsValueAndInputFlagWithoutMoving)
{
    auto shape = create<TTestSide>();
    shape->setVar("a", 4);
    shape->hideVar("a");
    shape->addVar("a");
    EXPECT_EQ(shape->getVar("a"), 0.0);
    EXPECT_TRUE(shape->isInputVar("a"));
    EXPECT_EQ(shape->varName(0), "a");
}

TEST(TPrimitive, SetVarOfAnUnknownNameChangesNothing)
{
    auto shape = create<TTestSide>();
    shape->setVar("zz", 5);
    shape->hideVar("zz");
    EXPECT_EQ(shape->varCount(), 3);
    EXPECT_EQ(shape->getVar("zz"), 0.0);
    EXPECT_FALSE(shape->isInputVar("zz"));
}

TEST(TPrimitive, ValuesTravelAsTextWithFifteenDigitsWhateverTheSeparator)
{
    SeparatorGuard guard;
    DecimalSeparator = '.';
    auto shape = create<TTestSide>();
    shape->setVar("A", 2.5);
    EXPECT_EQ(shape->getVar("a"), 2.5);
    shape->setVar("a", 1.0 / 3.0);
    EXPECT_EQ(shape->getVar("a"), 0.333333333333333);
    shape->setVar("a", 1e300);
    EXPECT_EQ(shape->getVar("a"), 1e300);

    const double max = std::numeric_limits<double>::max();
    shape->setVar("a", max);
    EXPECT_EQ(shape->getVar("a"), max) << "15 digits would lie beyond the largest double";
    shape->setVar("a", -max);
    EXPECT_EQ(shape->getVar("a"), -max);
    shape->setVar("a", std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(shape->getVar("a"), std::numeric_limits<double>::denorm_min());

    shape->setVar("a", 2.5);
    DecimalSeparator = ',';
    EXPECT_EQ(shape->getVar("a"), 2.5) << "stored under the other separator";
    shape->setVar("a", 1.25);
    DecimalSeparator = '.';
    EXPECT_EQ(shape->getVar("a"), 1.25);
}

TEST(TPrimitive, AValueThatCouldNotBeComputedReadsBackAsSuch)
{
    auto shape = create<TTestSide>();
    shape->setVar("a", std::nan(""));
    EXPECT_TRUE(std::isnan(shape->getVar("a")));
    shape->setVar("a", -HUGE_VAL);
    EXPECT_EQ(shape->getVar("a"), -HUGE_VAL);
    shape->setVar("a", HUGE_VAL);
    EXPECT_EQ(shape->getVar("a"), HUGE_VAL);
}

TEST(TPrimitive, ValuesAreStoredWithoutTheProcessLocale)
{
    SeparatorGuard guard;
    DecimalSeparator = '.';
    const char* saved = setlocale(LC_ALL, nullptr);
    const std::string restore = saved ? saved : "C";
    if (!setlocale(LC_ALL, "ru_RU.UTF-8"))
        GTEST_SKIP() << "ru_RU.UTF-8 is not installed";
    auto shape = create<TTestSide>();
    shape->setVar("a", 0.125);
    EXPECT_EQ(shape->getVar("a"), 0.125);
    setlocale(LC_ALL, restore.c_str());
}

TEST(TPrimitive, RenameVarReportsBothFailuresAndRenamesOnlyTheValueTable)
{
    MessageRecorder recorder;
    auto shape = create<TTestSide>();
    EXPECT_FALSE(shape->renameVar("q", "r"));
    EXPECT_FALSE(shape->renameVar("a", "B"));
    EXPECT_FALSE(shape->renameVar("a", "A"));
    EXPECT_EQ(recorder.messages, QStringList({
        "[side => renameVar]: Variable {q} doesn't found!",
        "[side => renameVar]: New variable name {B} already exists!",
        "[side => renameVar]: New variable name {A} already exists!",
    }));

    shape->setVar("a", 3);
    EXPECT_TRUE(shape->renameVar("a", "x"));
    EXPECT_EQ(shape->varName(0), "x");
    EXPECT_EQ(shape->getVar("x"), 3.0);
    EXPECT_FALSE(shape->isInputVar("x")) << "flags stay under the old name";
    EXPECT_EQ(recorder.messages.size(), 3);
}

TEST(TPrimitive, TitlesFallBackToTheId)
{
    auto shape = create<TTestSide>();
    shape->setTitle("Side", "en");
    shape->setTitle("Side two", "EN");
    EXPECT_EQ(shape->getTitle("en"), "Side two");
    EXPECT_EQ(shape->getTitle("ru"), "side");
    shape->setTitle("", "ru");
    EXPECT_EQ(shape->getTitle("ru"), "side");
}

TEST(T3DPrimitive, PartsReceiveValuesUnderSharedNames)
{
    auto block = create<TTestBlock>();
    EXPECT_EQ(block->getGroup(), "solid");
    block->setVar("l", 2);
    block->setVar("w", 3);
    block->setVar("h", 5);
    T2DPrimitive* base = block->getPart("base");
    T2DPrimitive* side = block->getPart("LAT_SURF");
    ASSERT_TRUE(base);
    ASSERT_TRUE(side);
    EXPECT_EQ(base->getVar("l"), 2.0);
    EXPECT_EQ(base->getVar("w"), 3.0);
    EXPECT_EQ(side->getVar("w"), 3.0);
    EXPECT_EQ(side->getVar("h"), 5.0);
    EXPECT_EQ(side->getVar("l"), 0.0) << "not one of the side's names";
    EXPECT_EQ(block->getVar("Base"), 6.0);
    EXPECT_EQ(block->getMeasure(), 30.0);

    block->setVar("nothing", 9);
    EXPECT_EQ(block->varCount(), 4);
    EXPECT_EQ(base->varCount(), 3);
}

TEST(T3DPrimitive, GetPartOfAnAbsentNameReportsIt)
{
    MessageRecorder recorder;
    auto block = create<TTestBlock>();
    EXPECT_EQ(block->getPart("top"), nullptr);
    EXPECT_EQ(recorder.messages, QStringList({"Class [block]: part \"top\" doesn't found!"}));
    EXPECT_THROW(block->getPartAt(2), std::out_of_range);
}

TEST(T3DPrimitive, TwoPartsUnderOneNameBothReceiveValues)
{
    auto block = create<TTestBlock>();
    const int second = block->addPart("base", create<TTestSide>(QStringLiteral("l"), QStringLiteral("h")), true);
    EXPECT_EQ(second, 2);
    block->setVar("l", 7);
    EXPECT_EQ(block->getPartAt(0)->getVar("l"), 7.0);
    EXPECT_EQ(block->getPartAt(2)->getVar("l"), 7.0);
    EXPECT_EQ(block->getPart("base"), block->getPartAt(2));
}

TEST(TPrimitiveCompound, AnEmptyCompoundHasNoVolumeNorSurface)
{
    auto compound = create<TEmptyCompound>();
    compound->setVar("a", 2);
    EXPECT_EQ(compound->getGroup(), "none");
    EXPECT_EQ(compound->getMeasure(), 0.0);
    EXPECT_EQ(compound->getArea(), 0.0);
}

} // namespace
