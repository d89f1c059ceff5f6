// Finds a dialog template by number, as a module's resources are searched.

#include "Templates.h"

namespace {

const DialogTemplate* const kTemplates[] = {
    &kCalculatorTemplate,
    &kBoltHoleTemplate,
    &kTrigTemplate,
    &kPhotoSizeTemplate,
};

}  // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate* t : kTemplates) {
        if (t->id == id)
            return t;
    }
    return nullptr;
}
