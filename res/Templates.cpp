// The registry of the program's dialog templates: each is defined in its
// own file, TemplateN.cpp, and listed here once.

#include "platform/dialog/DialogTemplate.h"

extern const DialogTemplate kAboutTemplate;       // 100
extern const DialogTemplate kCalculatorTemplate;  // 102
extern const DialogTemplate kBoltHoleTemplate;    // 133
extern const DialogTemplate kTrigTemplate;        // 134
extern const DialogTemplate kLoanTemplate;        // 163
extern const DialogTemplate kSavingsTemplate;     // 164
extern const DialogTemplate kPhotoSizeTemplate;   // 165
extern const DialogTemplate kAccruedTemplate;     // 173
extern const DialogTemplate kCreditCardTemplate;  // 174
extern const DialogTemplate kGoalTemplate;        // 175
extern const DialogTemplate kPayoffTemplate;      // 176

namespace {

const DialogTemplate* const kTemplates[] = {
    &kAboutTemplate,
    &kCalculatorTemplate,
    &kBoltHoleTemplate,
    &kTrigTemplate,
    &kLoanTemplate,
    &kSavingsTemplate,
    &kPhotoSizeTemplate,
    &kAccruedTemplate,
    &kCreditCardTemplate,
    &kGoalTemplate,
    &kPayoffTemplate,
};

}  // namespace

std::span<const DialogTemplate* const> ProgramDialogTemplates()
{
    return kTemplates;
}
