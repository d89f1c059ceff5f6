#pragma once
// The one C locale object of the process, for formatting and reading
// numbers with the point whatever locale the desktop set.

#include <locale.h>

locale_t CLocale();
