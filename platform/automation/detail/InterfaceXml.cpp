#include "platform/automation/detail/InterfaceXml.h"

QString BusSignatureOf(VARTYPE type)
{
    switch (type) {
    case VT_I4: return QStringLiteral("i");
    case VT_I2: return QStringLiteral("n");
    case VT_BOOL: return QStringLiteral("b");
    case VT_BSTR: return QStringLiteral("s");
    default: return {};
    }
}

QString InterfaceXml(const QString& interfaceName, const DispatchMap& map)
{
    QString xml = QStringLiteral("  <interface name=\"%1\">\n").arg(interfaceName);
    for (const DispatchEntry& entry : map) {
        const QString name = QString::fromStdString(entry.name);
        if (entry.isProperty) {
            const char* access = entry.set ? "readwrite" : "read";
            // The registers change under the user's keys without a signal:
            // clients read them when they need them.
            xml += QStringLiteral("    <property name=\"%1\" type=\"%2\" access=\"%3\">\n"
                                  "      <annotation name=\"org.freedesktop.DBus.Property.EmitsChangedSignal\" "
                                  "value=\"false\"/>\n"
                                  "    </property>\n")
                       .arg(name, BusSignatureOf(entry.type), QLatin1String(access));
            continue;
        }
        xml += QStringLiteral("    <method name=\"%1\">\n").arg(name);
        if (entry.paramType != VTS_NONE)
            xml += QStringLiteral("      <arg name=\"value\" type=\"%1\" direction=\"in\"/>\n")
                       .arg(BusSignatureOf(entry.paramType));
        if (entry.type != VT_EMPTY)
            xml += QStringLiteral("      <arg name=\"result\" type=\"%1\" direction=\"out\"/>\n")
                       .arg(BusSignatureOf(entry.type));
        xml += QStringLiteral("    </method>\n");
    }
    xml += QStringLiteral("  </interface>\n");
    return xml;
}
