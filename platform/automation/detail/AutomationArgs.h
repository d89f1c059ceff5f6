#pragma once
// How a client's argument becomes the type a property or parameter declares,
// the way automation converts its variants: an integer of any width that
// fits, a double rounded to the nearest integer with ties to even, a boolean
// as -1 or 0, a string that holds nothing but a number (blanks around it
// allowed) read like a double. For a boolean target any non-zero number is
// TRUE. A text target takes text, and integers and doubles as their decimal
// text. Everything else is refused; the caller answers InvalidArgs and
// changes nothing.

#include "platform/automation/Dispatch.h"

#include <optional>
#include <string_view>

class QVariant;

// The number `text` holds in the program's notation: the runtime's decimal
// form (sign, digits, point, exponent; no hex, no inf or nan spellings),
// point as separator whatever the locale, nothing but blanks before and
// after. nullopt for anything else, including a number too long to be one.
std::optional<double> NumberFromText(std::string_view text);

// The nearest integer, ties to even, whatever the floating-point mode.
double RoundHalfToEven(double value);

// `argument` (as QtDBus hands it over, variants unwrapped) converted to
// `target`; nullopt when it cannot be converted or does not fit.
std::optional<DispValue> ConvertArgument(const QVariant& argument, VARTYPE target);
