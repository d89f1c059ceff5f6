// A static control keeps the whole text it was given but holds for painting
// only the part that can show in its rectangle.

#include "platform/dialog/detail/StaticText.h"

#include <QFontMetrics>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

QString Lines(int count, int width)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString(width, QLatin1Char('0' + i % 10)) + QLatin1Char('\n');
    return text;
}

TEST(StaticText, ShortTextsAreSetAsTheyAre)
{
    QLabel label;
    label.resize(200, 60);
    for (const QString& text : {QString(), QStringLiteral("90.00"), Lines(2, 10), QStringLiteral("a\nb")}) {
        SetStaticText(&label, text);
        EXPECT_EQ(label.text(), text);
        EXPECT_EQ(StaticText(&label), text);
    }
}

TEST(StaticText, LongTextsArePaintedOnlyAsFarAsTheyShow)
{
    QLabel label;
    label.resize(200, 60);
    const int fit = 60 / QFontMetrics(label.font()).lineSpacing();

    const QString manyLines = Lines(1000, 20);
    SetStaticText(&label, manyLines);
    EXPECT_EQ(StaticText(&label), manyLines);
    EXPECT_GT(label.text().count(QLatin1Char('\n')), fit - 1);
    EXPECT_LT(label.text().count(QLatin1Char('\n')), fit + 3);
    EXPECT_TRUE(manyLines.startsWith(label.text()));

    const QString longLine = QString(5000, QLatin1Char('x')) + QStringLiteral("\nnext");
    SetStaticText(&label, longLine);
    EXPECT_EQ(StaticText(&label), longLine);
    EXPECT_EQ(label.text(), QString(201, QLatin1Char('x')) + QStringLiteral("\nnext"));

    // A short text afterwards forgets the long one.
    SetStaticText(&label, QStringLiteral("short"));
    EXPECT_EQ(StaticText(&label), QStringLiteral("short"));
}

}  // namespace
