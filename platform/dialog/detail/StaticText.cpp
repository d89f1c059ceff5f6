#include "platform/dialog/detail/StaticText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

// Where the whole text waits when the label holds only its visible part: a
// child of the label, so it goes with it.
class WholeText : public QObject {
public:
    WholeText(QLabel* label, CString text) : QObject(label), m_text(std::move(text)) {}
    const CString& Text() const { return m_text; }

private:
    CString m_text;
};

const WholeText* WholeTextOf(const QLabel* label)
{
    for (QObject* child : label->children()) {
        if (auto* whole = dynamic_cast<WholeText*>(child))
            return whole;
    }
    return nullptr;
}

}  // namespace

void SetStaticText(QLabel* label, CString text)
{
    // More lines than the rectangle can hold, and (without word wrap) more
    // characters than its width can show on one line, are never visible:
    // no glyph is narrower than a pixel. One of each more, for partial ones.
    const int lineSpacing = std::max(1, QFontMetrics(label->font()).lineSpacing());
    const qsizetype maxLines = label->height() / lineSpacing + 2;
    const qsizetype maxColumns = label->wordWrap() ? -1 : label->width() + 1;

    const std::string_view whole(text);
    QString visible;
    bool cut = false;
    qsizetype lines = 0;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = whole.size();
        if (lines == maxLines) {
            cut = true;
            break;
        }
        std::string_view line = whole.substr(start, end - start);
        // A character is at most four bytes: that many hold every column
        // that can show, and only those are decoded.
        if (maxColumns >= 0 && line.size() > static_cast<size_t>(maxColumns) * 4)
            line = line.substr(0, static_cast<size_t>(maxColumns) * 4);
        QString decoded = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
        if (maxColumns >= 0 && decoded.size() > maxColumns) {
            decoded.truncate(maxColumns);
            cut = true;
        }
        visible += decoded;
        ++lines;
        if (last)
            break;
        visible += QLatin1Char('\n');
        start = end + 1;
    }

    // The old whole text goes before the new one is kept.
    delete WholeTextOf(label);
    if (cut)
        new WholeText(label, std::move(text));
    label->setText(visible);
}

void SetStaticText(QLabel* label, const QString& text)
{
    SetStaticText(label, text.toStdString());
}

CString StaticTextUtf8(const QLabel* label)
{
    const WholeText* whole = WholeTextOf(label);
    return whole != nullptr ? whole->Text() : label->text().toStdString();
}

QString StaticText(const QLabel* label)
{
    const WholeText* whole = WholeTextOf(label);
    return whole != nullptr ? QString::fromStdString(whole->Text()) : label->text();
}
