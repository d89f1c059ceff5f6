#pragma once
// What an HICON points to, inside the platform layer.

#include <QIcon>

struct IconResource {
    QIcon icon;
};
