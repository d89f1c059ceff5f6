#include "platform/automation/detail/DispatchObject.h"

#include "platform/automation/detail/AutomationArgs.h"
#include "platform/automation/detail/InterfaceXml.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

#include <optional>

namespace {

const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kUnknownProperty = QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty");
const QString kUnknownInterface = QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface");
const QString kPropertyReadOnly = QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly");

// Interfaces Qt answers itself for every object.
bool IsStandardInterface(const QString& name)
{
    return name == QLatin1String("org.freedesktop.DBus.Introspectable") ||
           name == QLatin1String("org.freedesktop.DBus.Peer");
}

QVariant BusValueOf(const DispValue& value, VARTYPE type)
{
    switch (type) {
    case VT_I4: return QVariant::fromValue<int>(value.number);
    case VT_I2: return QVariant::fromValue<short>(static_cast<short>(value.number));
    case VT_BOOL: return QVariant::fromValue<bool>(value.number != 0);
    case VT_BSTR: return QVariant::fromValue(QString::fromStdString(value.text));
    default: return {};
    }
}

QDBusMessage InvalidArgs(const QDBusMessage& message, const QString& why)
{
    return message.createErrorReply(QDBusError::InvalidArgs, why);
}

// A dispatch function's refusal, as the client sees it.
QDBusMessage Refused(const QDBusMessage& message, const COleDispatchException& refusal)
{
    return message.createErrorReply(QDBusError::Failed, QString::fromStdString(refusal.m_strDescription));
}

}  // namespace

DispatchObject::DispatchObject(CAutomationObject* target, QString interfaceName)
    : m_target(target), m_interfaceName(std::move(interfaceName))
{
}

QString DispatchObject::introspect(const QString&) const
{
    if (m_target == nullptr)
        return {};
    return InterfaceXml(m_interfaceName, m_target->GetDispatchMap());
}

bool DispatchObject::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    const QString interfaceName = message.interface();
    if (IsStandardInterface(interfaceName))
        return false;

    QDBusMessage reply;
    if (m_target == nullptr) {
        reply = message.createErrorReply(QDBusError::UnknownObject, QStringLiteral("The object is gone"));
    } else if (interfaceName == kPropertiesInterface) {
        const QString member = message.member();
        if (member == QLatin1String("Get"))
            reply = GetProperty(message);
        else if (member == QLatin1String("Set"))
            reply = SetProperty(message);
        else if (member == QLatin1String("GetAll"))
            reply = GetAllProperties(message);
        else
            reply = message.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No such method"));
    } else if (interfaceName.isEmpty() || interfaceName == m_interfaceName) {
        // A call without interface may still be for Qt's standard ones.
        if (interfaceName.isEmpty() && FindDispatchEntry(m_target->GetDispatchMap(), message.member().toStdString()) == nullptr &&
            (message.member() == QLatin1String("Introspect") || message.member() == QLatin1String("Ping")))
            return false;
        reply = CallMethod(message);
    } else {
        reply = message.createErrorReply(QDBusError::UnknownMethod,
                                         QStringLiteral("No interface %1 on this object").arg(interfaceName));
    }
    // The call may have withdrawn this object; only locals from here on.
    if (message.isReplyRequired())
        connection.send(reply);
    return true;
}

QDBusMessage DispatchObject::CallMethod(const QDBusMessage& message)
{
    const DispatchEntry* entry = FindDispatchEntry(m_target->GetDispatchMap(), message.member().toStdString());
    if (entry == nullptr || entry->isProperty)
        return message.createErrorReply(QDBusError::UnknownMethod,
                                        QStringLiteral("No method %1").arg(message.member()));
    const QVariantList arguments = message.arguments();
    const int expected = entry->paramType == VTS_NONE ? 0 : 1;
    if (arguments.size() != expected)
        return InvalidArgs(message, QStringLiteral("%1 takes %2 argument(s)").arg(message.member()).arg(expected));
    DispValue argument;
    if (expected == 1) {
        const std::optional<DispValue> converted = ConvertArgument(arguments.front(), entry->paramType);
        if (!converted)
            return InvalidArgs(message, QStringLiteral("The argument cannot be converted"));
        argument = *converted;
    }
    const VARTYPE resultType = entry->type;
    DispValue result;
    try {
        result = entry->call(*m_target, argument);
    } catch (const COleDispatchException& refusal) {
        return Refused(message, refusal);
    }
    if (resultType == VT_EMPTY)
        return message.createReply();
    return message.createReply(BusValueOf(result, resultType));
}

const DispatchEntry* DispatchObject::PropertyOf(const QDBusMessage& message, QDBusMessage& error) const
{
    const QVariantList arguments = message.arguments();
    const QString interfaceName = arguments.value(0).toString();
    if (!interfaceName.isEmpty() && interfaceName != m_interfaceName) {
        error = message.createErrorReply(kUnknownInterface, QStringLiteral("No interface %1 on this object").arg(interfaceName));
        return nullptr;
    }
    const QString name = arguments.value(1).toString();
    const DispatchEntry* entry = FindDispatchEntry(m_target->GetDispatchMap(), name.toStdString());
    if (entry == nullptr || !entry->isProperty) {
        error = message.createErrorReply(kUnknownProperty, QStringLiteral("No property %1").arg(name));
        return nullptr;
    }
    return entry;
}

QDBusMessage DispatchObject::GetProperty(const QDBusMessage& message)
{
    if (message.signature() != QLatin1String("ss"))
        return InvalidArgs(message, QStringLiteral("Get takes an interface and a property name"));
    QDBusMessage error;
    const DispatchEntry* entry = PropertyOf(message, error);
    if (entry == nullptr)
        return error;
    const VARTYPE type = entry->type;
    try {
        const DispValue value = entry->get(*m_target);
        return message.createReply(QVariant::fromValue(QDBusVariant(BusValueOf(value, type))));
    } catch (const COleDispatchException& refusal) {
        return Refused(message, refusal);
    }
}

QDBusMessage DispatchObject::SetProperty(const QDBusMessage& message)
{
    if (message.signature() != QLatin1String("ssv"))
        return InvalidArgs(message, QStringLiteral("Set takes an interface, a property name and a variant"));
    QDBusMessage error;
    const DispatchEntry* entry = PropertyOf(message, error);
    if (entry == nullptr)
        return error;
    if (!entry->set)
        return message.createErrorReply(kPropertyReadOnly, QStringLiteral("The property is read-only"));
    const std::optional<DispValue> value = ConvertArgument(message.arguments().at(2), entry->type);
    if (!value)
        return InvalidArgs(message, QStringLiteral("The value cannot be converted to the property's type"));
    try {
        entry->set(*m_target, *value);
    } catch (const COleDispatchException& refusal) {
        return Refused(message, refusal);
    }
    return message.createReply();
}

QDBusMessage DispatchObject::GetAllProperties(const QDBusMessage& message)
{
    if (message.signature() != QLatin1String("s"))
        return InvalidArgs(message, QStringLiteral("GetAll takes an interface name"));
    const QString interfaceName = message.arguments().at(0).toString();
    if (!interfaceName.isEmpty() && interfaceName != m_interfaceName)
        return message.createErrorReply(kUnknownInterface, QStringLiteral("No interface %1 on this object").arg(interfaceName));
    QVariantMap all;
    try {
        for (const DispatchEntry& entry : m_target->GetDispatchMap()) {
            if (entry.isProperty && entry.get)
                all.insert(QString::fromStdString(entry.name), BusValueOf(entry.get(*m_target), entry.type));
        }
    } catch (const COleDispatchException& refusal) {
        return Refused(message, refusal);
    }
    return message.createReply(QVariant::fromValue(all));
}
