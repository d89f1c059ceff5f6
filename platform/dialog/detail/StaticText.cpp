#include "platform/dialog/detail/StaticText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>
#include <QVariant>

#include <algorithm>

namespace {

// Where the whole text waits when the label holds only its visible part.
constexpr char kWholeText[] = "numbrixWholeText";

}  // namespace

void SetStaticText(QLabel* label, const QString& text)
{
    // More lines than the rectangle can hold, and (without word wrap) more
    // characters than its width can show on one line, are never visible:
    // no glyph is narrower than a pixel. One of each more, for partial ones.
    const int lineSpacing = std::max(1, QFontMetrics(label->font()).lineSpacing());
    const qsizetype maxLines = label->height() / lineSpacing + 2;
    const qsizetype maxColumns = label->wordWrap() ? -1 : label->width() + 1;

    QString visible;
    bool cut = false;
    qsizetype lines = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        if (lines == maxLines) {
            cut = true;
            break;
        }
        qsizetype length = end - start;
        if (maxColumns >= 0 && length > maxColumns) {
            length = maxColumns;
            cut = true;
        }
        visible += QStringView(text).mid(start, length);
        ++lines;
        if (last)
            break;
        visible += QLatin1Char('\n');
        start = end + 1;
    }

    if (cut) {
        label->setProperty(kWholeText, text);
        label->setText(visible);
    } else {
        label->setProperty(kWholeText, QVariant());
        label->setText(text);
    }
}

QString StaticText(const QLabel* label)
{
    const QVariant whole = label->property(kWholeText);
    return whole.isValid() ? whole.toString() : label->text();
}
