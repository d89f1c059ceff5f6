#pragma once
// The bus face of one automation object at one path: the methods of its
// dispatch map under one interface, its properties through
// org.freedesktop.DBus.Properties (Get, Set, GetAll), and introspection data
// made from the map. Member and property names match without regard to case;
// arguments are converted as AutomationArgs says. It neither owns the object
// nor outlives it: the object's withdrawal takes this off the bus first.

#include "platform/automation/AutomationObject.h"

#include <QDBusVirtualObject>
#include <QString>

class QDBusMessage;

class DispatchObject : public QDBusVirtualObject {
public:
    DispatchObject(CAutomationObject* target, QString interfaceName);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

    // Drops the pointer to the object; any call after this is refused.
    void Detach() { m_target = nullptr; }

private:
    QDBusMessage CallMethod(const QDBusMessage& message);
    QDBusMessage GetProperty(const QDBusMessage& message);
    QDBusMessage SetProperty(const QDBusMessage& message);
    QDBusMessage GetAllProperties(const QDBusMessage& message);
    // The property named in a Properties call's first two arguments, or null
    // with `error` set to the reply to send.
    const DispatchEntry* PropertyOf(const QDBusMessage& message, QDBusMessage& error) const;

    CAutomationObject* m_target;
    QString m_interfaceName;
};
