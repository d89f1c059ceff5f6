#pragma once
// The introspection data of an automation interface, generated from its
// dispatch map in the map's order, so that gdbus, busctl and qdbus list
// exactly what the map answers.

#include "platform/automation/Dispatch.h"

#include <QString>

// The D-Bus signature of an automation type: i, n, b or s; empty for VT_EMPTY.
QString BusSignatureOf(VARTYPE type);

// The <interface> element for `map` under `interfaceName`.
QString InterfaceXml(const QString& interfaceName, const DispatchMap& map);
