// The real program where no display can be reached and no platform was
// asked for: a user's run says so in one line and ends; a server the bus
// starts in such a session works windowless and refuses only to show.

#include "BusTestSupport.h"

#include "platform/automation/detail/ActivationFile.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(NoDisplay, AUsersRunSaysSoInOneLineAndEndsWithStatus1)
{
    QTemporaryDir runtime;  // private, so Qt has nothing to say about it
    ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    QProcess calculator;
    calculator.setProcessEnvironment(environment);
    calculator.start(QStringLiteral(NUMBRIX_CALC_PATH), {});
    ASSERT_TRUE(calculator.waitForFinished(15000));

    EXPECT_EQ(calculator.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(calculator.exitCode(), 1);
    const QString said = QString::fromUtf8(calculator.readAllStandardError());
    const QStringList lines = said.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << said.toStdString();
    EXPECT_TRUE(lines.front().contains(QStringLiteral("no display"))) << said.toStdString();
    EXPECT_TRUE(lines.front().contains(QStringLiteral("scripts/run.sh"))) << said.toStdString();
}

TEST(NoDisplay, AServerTheBusStartsWorksWindowless)
{
    PrivateBus session(false);
    ASSERT_TRUE(session.Started());
    const QString services = session.DataHome() + QStringLiteral("/dbus-1/services");
    ASSERT_TRUE(QDir().mkpath(services));
    const std::optional<std::string> registration =
        ActivationFileText(kProgId.toStdString(), kClassId.toStdString(), NUMBRIX_CALC_PATH);
    ASSERT_TRUE(registration);
    QFile file(services + QStringLiteral("/numbrix.calculator.service"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(registration->c_str());
    file.close();

    Client client(session.Address());
    QString error;
    const QString server = client.CreateInstance(&error);
    ASSERT_FALSE(server.isEmpty()) << error.toStdString();

    // Every method and property works without a window.
    EXPECT_EQ(ReplyValue(client.CallObject(server, "Button", {QStringLiteral("7")})), QVariant(true));
    client.SetProperty(server, "Accum", 2);
    client.SetProperty(server, "Operation", QVariant::fromValue<short>(1));
    EXPECT_EQ(ReplyValue(client.CallObject(server, "Evaluate")), QVariant(true));
    EXPECT_EQ(PropertyValue(client.GetProperty(server, "Accum")), QVariant(9));
    EXPECT_EQ(client.CallObject(server, "Display").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(client.SetProperty(server, "Visible", false).type(), QDBusMessage::ReplyMessage);

    // Showing the window is refused with the reason, and changes nothing.
    const QDBusMessage shown = client.SetProperty(server, "Visible", true);
    EXPECT_EQ(shown.errorName(), QStringLiteral("org.freedesktop.DBus.Error.Failed"));
    EXPECT_TRUE(shown.errorMessage().contains(QStringLiteral("no display"))) << shown.errorMessage().toStdString();
    EXPECT_EQ(PropertyValue(client.GetProperty(server, "Visible")), QVariant(false));
    EXPECT_EQ(PropertyValue(client.GetProperty(server, "Accum")), QVariant(9));

    // Still the client's: letting go ends the server.
    Client observer(session.Address());
    client.Disconnect();
    EXPECT_TRUE(WaitForNoOwner(observer, server));
}

}  // namespace
