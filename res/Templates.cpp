// The registry of the program's dialog templates: each is defined in its
// own file, TemplateN.cpp, and listed here once.

#include "platform/Resources.h"

extern const DialogTemplate kCalculatorTemplate;  // 102
extern const DialogTemplate kBoltHoleTemplate;    // 133
extern const DialogTemplate kTrigTemplate;        // 134
extern const DialogTemplate kPhotoSizeTemplate;   // 165

namespace {

const DialogTemplate* const kTemplates[] = {
    &kCalculatorTemplate,
    &kBoltHoleTemplate,
    &kTrigTemplate,
    &kPhotoSizeTemplate,
};

}  // namespace

std::span<const DialogTemplate* const> ProgramDialogTemplates()
{
    return kTemplates;
}
