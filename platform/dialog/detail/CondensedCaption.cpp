#include "platform/dialog/detail/CondensedCaption.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

// The templates' rectangles were laid out for a face whose texts are a
// little narrower, for its average letter, than the desktop's sans-serif:
// in DejaVu Sans "# of Payments already made:" is 24.1 of the font's
// average letters long, and its rectangle, 92 units, holds 23. The dialog
// units already follow the font (and round its 6.8-pixel average letter up
// to 7 at 8 points), so scaling the layout further to the text would widen
// every dialog for the sake of a few captions 1 to 4 per cent too wide;
// those are set narrower instead, each by what it needs (97 to 99 per
// cent of the width: too little to see beside the other labels). A
// semi-condensed face is as far as that goes: a text that needs more wants
// a wider rectangle in its template.
constexpr int kNarrowestStretch = QFont::SemiCondensed;

// Where QLabel lays out its text: its contents less its margin and, on the
// sides the text is aligned to, its indent (half an "x" for a framed label
// with no indent of its own).
QRect TextRect(const QLabel& label)
{
    const int margin = label.margin();
    QRect r = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0)
        indent = label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    indent = std::max(indent, 0);
    const Qt::Alignment align = label.alignment();
    r.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
             align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
    return r;
}

// The text laid out as the label draws it (wrapped at blanks when it
// wraps, its mnemonic's "&" hidden when it has a buddy) lies within that.
bool Fits(const QLabel& label)
{
    int flags = static_cast<int>(label.alignment());
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    if (label.buddy() != nullptr)
        flags |= Qt::TextShowMnemonic;
    const QRect available = TextRect(label);
    return available.contains(label.fontMetrics().boundingRect(available, flags, label.text()));
}

}  // namespace

void CondenseToFit(QLabel* label)
{
    if (label->text().isEmpty() || Fits(*label))
        return;
    QFont font = label->font();
    for (int stretch = 99; stretch >= kNarrowestStretch; --stretch) {
        font.setStretch(stretch);
        label->setFont(font);
        if (Fits(*label))
            return;
    }
}
