#include "platform/dialog/DialogTemplate.h"

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate* t : ProgramDialogTemplates()) {
        if (t->id == id)
            return t;
    }
    return nullptr;
}
