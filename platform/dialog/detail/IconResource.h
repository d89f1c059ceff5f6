#pragma once
// What an HICON points to, inside the platform layer.

#include <QIcon>

struct IconResource {
    QIcon icon;        // every size, for drawing
    QIcon windowIcon;  // the sizes handed to the window manager
};
