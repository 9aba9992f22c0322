// SPDX-License-Identifier: MIT
#include "base/settings.h"
#include "message_recorder.h"
#include "ui/fieldChecks.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class FieldChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&m_window);
        edit = new QLineEdit(&m_window);
        other = new QLineEdit(&m_window);
        layout->addWidget(edit);
        layout->addWidget(other);
        m_window.show();
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }
    void TearDown() override { DecimalSeparator = m_separator; }

    // Types the text into the edit with the focus elsewhere, as after a Tab.
    void type(const QString& text)
    {
        edit->clear();
        QTest::keyClicks(edit, text);
        other->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([this] { return other->hasFocus(); }));
    }

    QWidget m_window;
    QLineEdit* edit = nullptr;
    QLineEdit* other = nullptr;
    MessageRecorder recorder;

private:
    QChar m_separator = DecimalSeparator;
};

TEST_F(FieldChecks, DecimalFieldFollowsTheSeparatorInForce)
{
    struct Case {
        const char* text;
        char separator;
        bool accepted;
    };
    const Case cases[] = {
        {"2.5", '.', true},  {"2,5", '.', false}, {"2,5", ',', true}, {"2.5", ',', false},
        {"1e3", ',', true},  {"-7", ',', true},   {" 4 ", '.', true}, {"4 2", '.', false},
        {"", '.', false},    {"1e999", '.', false}, {"nan", '.', false}, {"inf", '.', false},
    };
    for (const Case& c : cases) {
        DecimalSeparator = QLatin1Char(c.separator);
        type(QString::fromUtf8(c.text));
        recorder.messages.clear();
        EXPECT_EQ(checkFloatEdit(edit, QStringLiteral("a"), QStringLiteral("en")), c.accepted) << c.text;
        if (c.accepted) {
            EXPECT_TRUE(recorder.messages.isEmpty()) << c.text;
            EXPECT_TRUE(other->hasFocus()) << c.text;
        } else {
            EXPECT_EQ(recorder.messages,
                      QStringList({QStringLiteral("Please, correct the content of the field [ a ]")}))
                << c.text;
            EXPECT_TRUE(edit->hasFocus()) << c.text;
        }
    }
}

TEST_F(FieldChecks, WholeNumberField)
{
    struct Case {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {{"3", true}, {"-2", true}, {"$F", true}, {"3.0", false}, {"3,5", false}, {"", false}};
    for (const Case& c : cases) {
        type(QString::fromUtf8(c.text));
        recorder.messages.clear();
        EXPECT_EQ(checkIntEdit(edit, QStringLiteral("Float precise"), QStringLiteral("ru")), c.accepted) << c.text;
        EXPECT_EQ(edit->hasFocus(), !c.accepted) << c.text;
        const QStringList expected = c.accepted
            ? QStringList()
            : QStringList({QStringLiteral("Пожалуйста, исправьте содержимое поля [ Float precise ]")});
        EXPECT_EQ(recorder.messages, expected) << c.text;
    }
}

TEST_F(FieldChecks, WithoutAnEditNothingIsShown)
{
    EXPECT_FALSE(checkFloatEdit(nullptr, QStringLiteral("a"), QStringLiteral("en")));
    EXPECT_FALSE(checkIntEdit(nullptr, QStringLiteral("a"), QStringLiteral("en")));
    EXPECT_TRUE(recorder.messages.isEmpty());
}

} // namespace
