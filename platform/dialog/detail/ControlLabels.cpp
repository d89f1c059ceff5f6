#include "platform/dialog/detail/ControlLabels.h"

#include <algorithm>
#include <cctype>

namespace {

// A label stands above its control only when it nearly touches it (half a
// line of text): a static further up belongs to something else.
constexpr int kMostGapAbove = 4;
// A label this near on the row is the control's, whatever stands above;
// one further off only when nothing above is nearer ("Side (b):" above its
// edit, across the triangle from "Angle (A):").
constexpr int kNearBeside = 40;

bool IsLabel(const ControlTemplate& c)
{
    return c.kind == ControlKind::Static && c.id < 0 && c.caption != nullptr && c.caption[0] != '\0' &&
           !HasStyle(c, WS_HIDDEN_CONTROL);
}

bool SharesRow(const ControlTemplate& a, const ControlTemplate& b)
{
    return a.y < b.y + b.cy && b.y < a.y + a.cy;
}

bool SharesColumn(const ControlTemplate& a, const ControlTemplate& b)
{
    return a.x < b.x + b.cx && b.x < a.x + a.cx;
}

bool Contains(const ControlTemplate& outer, const ControlTemplate& inner)
{
    return outer.x <= inner.x && outer.y <= inner.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

// The label beside the control (ending left of it on its row) when it is
// near, else the nearer of that one and the one just above it.
const ControlTemplate* LabelOf(const DialogTemplate& dialog, const ControlTemplate& control)
{
    const ControlTemplate* best = nullptr;
    int bestGap = 0;
    for (const ControlTemplate& label : dialog.controls) {
        if (!IsLabel(label) || !SharesRow(label, control))
            continue;
        const int gap = control.x - (label.x + label.cx);
        if (gap >= 0 && (best == nullptr || gap < bestGap)) {
            best = &label;
            bestGap = gap;
        }
    }
    if (best != nullptr && bestGap <= kNearBeside)
        return best;
    for (const ControlTemplate& label : dialog.controls) {
        if (!IsLabel(label) || !SharesColumn(label, control))
            continue;
        const int gap = control.y - (label.y + label.cy);
        if (gap >= 0 && gap <= kMostGapAbove && (best == nullptr || gap < bestGap)) {
            best = &label;
            bestGap = gap;
        }
    }
    return best;
}

// The caption of the smallest group box around the control, or null.
const char* GroupCaptionOf(const DialogTemplate& dialog, const ControlTemplate& control)
{
    const ControlTemplate* best = nullptr;
    for (const ControlTemplate& group : dialog.controls) {
        if (group.kind == ControlKind::GroupBox && Contains(group, control) &&
            (best == nullptr || group.cx * group.cy < best->cx * best->cy))
            best = &group;
    }
    return best != nullptr ? best->caption : nullptr;
}

const AccessibleText* AccessibleTextOf(const DialogTemplate& dialog, const ControlTemplate& control)
{
    if (control.id < 0)
        return nullptr;
    for (const AccessibleText& text : dialog.accessibleTexts) {
        if (text.id == control.id)
            return &text;
    }
    return nullptr;
}

bool HasLetter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
}

}  // namespace

bool IsResultField(const ControlTemplate& control)
{
    return control.kind == ControlKind::Static && control.id >= 0 &&
           (HasStyle(control, SS_SUNKEN) || HasStyle(control, WS_BORDER));
}

std::string WithoutMnemonic(const char* caption)
{
    std::string text;
    for (const char* p = caption != nullptr ? caption : ""; *p != '\0'; ++p) {
        if (*p == '&') {
            if (p[1] != '&')
                continue;
            ++p;
        }
        text += *p;
    }
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

char MnemonicOf(const char* caption)
{
    for (const char* p = caption != nullptr ? caption : ""; *p != '\0'; ++p) {
        if (*p != '&')
            continue;
        if (p[1] == '&') {
            ++p;
            continue;
        }
        const auto letter = static_cast<unsigned char>(p[1]);
        return std::isalnum(letter) ? static_cast<char>(std::toupper(letter)) : '\0';
    }
    return '\0';
}

std::string AccessibleNameOf(const DialogTemplate& dialog, const ControlTemplate& control)
{
    if (const AccessibleText* text = AccessibleTextOf(dialog, control); text != nullptr && text->name != nullptr)
        return text->name;
    if (control.kind != ControlKind::Edit && !IsResultField(control))
        return {};
    const ControlTemplate* label = LabelOf(dialog, control);
    if (label == nullptr)
        return {};
    std::string name = WithoutMnemonic(label->caption);
    if (!HasLetter(name)) {
        if (const char* group = GroupCaptionOf(dialog, control))
            name = WithoutMnemonic(group) + " " + name;
    }
    return name;
}

std::string AccessibleDescriptionOf(const DialogTemplate& dialog, const ControlTemplate& control)
{
    const AccessibleText* text = AccessibleTextOf(dialog, control);
    return text != nullptr && text->description != nullptr ? text->description : std::string();
}
