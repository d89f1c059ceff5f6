// The real program on a private bus: the server run, the interactive run's
// registration and running object, activation by name, the single-use
// factory and the end of a server when its client goes.

#include "BusTestSupport.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString ActivationFile()
{
    return TestBus().DataHome() + QStringLiteral("/dbus-1/services/numbrix.calculator.service");
}

QString ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Waits for the process to end by itself; its exit code, or -1.
int ExitCodeAfterEnd(QProcess& process, int timeoutMs = 10000)
{
    WaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs);
    if (process.state() != QProcess::NotRunning)
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QStringList QueuedOwners(Client& client, const QString& name)
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ListQueuedOwners"));
    message.setArguments({name});
    return ReplyValue(client.Call(message)).toStringList();
}

// Starts an interactive run and waits until it owns or queues for the
// running name.
std::unique_ptr<QProcess> StartInteractive(Client& client, int queued)
{
    auto process = StartCalculator({});
    WaitFor([&] { return QueuedOwners(client, kRunningName).size() >= queued; }, 15000);
    return process;
}

// The command line of a server run, its words separated by blanks: the
// switch alone, or among Qt's own options with their values.
class ServerSwitch : public ::testing::TestWithParam<const char*> {};

TEST_P(ServerSwitch, ServerRunOffersTheFactoryOnlyAndServesOneClearedObject)
{
    Client client;
    QFile::remove(ActivationFile());
    auto server = StartCalculator(QString::fromLatin1(GetParam()).split(QLatin1Char(' ')));
    ASSERT_TRUE(WaitForOwner(client, kProgId, 15000)) << GetParam();
    const QString factoryOwner = NameOwner(client, kProgId);

    // No registration, no running object.
    EXPECT_FALSE(QFileInfo::exists(ActivationFile()));
    EXPECT_FALSE(HasOwner(client, kRunningName));
    // The class id is on the factory.
    QDBusMessage classId = QDBusMessage::createMethodCall(kProgId, QStringLiteral("/Factory"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
    classId.setArguments({kFactoryInterface, QStringLiteral("ClassId")});
    EXPECT_EQ(PropertyValue(client.Call(classId)), QVariant(kClassId));

    const QString object = client.CreateInstance();
    EXPECT_EQ(object, factoryOwner);
    // Single use: the ProgID is given up before the answer comes.
    EXPECT_FALSE(HasOwner(client, kProgId));
    EXPECT_EQ(PropertyValue(client.GetProperty(object, "Visible")), QVariant(false));
    for (const char* property : {"Accum", "Operand"})
        EXPECT_EQ(PropertyValue(client.GetProperty(object, property)), QVariant(0)) << property;
    EXPECT_EQ(PropertyValue(client.GetProperty(object, "Operation")), QVariant::fromValue<short>(0));
    EXPECT_FALSE(QFileInfo::exists(ActivationFile()));

    // The client's connection holds the object: closing it ends the server.
    client.Disconnect();
    EXPECT_EQ(ExitCodeAfterEnd(*server), 0);
}

INSTANTIATE_TEST_SUITE_P(AnyCase, ServerSwitch,
                         ::testing::Values("-Embedding", "/Embedding", "-Automation", "/Automation", "-AUTOMATION",
                                           "/embedding", "-style Fusion -reverse -Automation",
                                           "-session 1234_5 /Embedding -platform offscreen"));

TEST(ServerRun, EndsByItselfWhenNoClientComes)
{
    auto server = StartCalculator({QStringLiteral("-Automation")}, {QStringLiteral("NUMBRIX_AUTOMATION_IDLE_MS=300")});
    EXPECT_EQ(ExitCodeAfterEnd(*server, 15000), 0);
}

TEST(ServerRun, TheFactoryRefusesWhatItCannotServeAndStaysUnused)
{
    Client client;
    auto server = StartCalculator({QStringLiteral("-Automation")});
    ASSERT_TRUE(WaitForOwner(client, kProgId, 15000));
    const auto factoryCall = [&](const QString& interfaceName, const QString& member, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(kProgId, QStringLiteral("/Factory"), interfaceName, member);
        message.setArguments(arguments);
        return client.Call(message).errorName();
    };
    const QString properties = QStringLiteral("org.freedesktop.DBus.Properties");
    const QVariant readOnly = QVariant::fromValue(QDBusVariant(QStringLiteral("{0}")));
    EXPECT_EQ(factoryCall(kFactoryInterface, "CreateInstance", {1}), "org.freedesktop.DBus.Error.InvalidArgs");
    EXPECT_EQ(factoryCall(kFactoryInterface, "CreateInstanceFor", {"numbrix.calculator"}),
              "org.freedesktop.DBus.Error.InvalidArgs");
    // Naming the client is for the program's own servers passing a request
    // on; this test is another program.
    EXPECT_EQ(factoryCall(kFactoryInterface, "CreateInstanceFor", {client.UniqueName()}),
              "org.freedesktop.DBus.Error.AccessDenied");
    EXPECT_EQ(factoryCall(kFactoryInterface, "LockServer", {}), "org.freedesktop.DBus.Error.UnknownMethod");
    EXPECT_EQ(factoryCall(properties, "Set", {kFactoryInterface, "ClassId", readOnly}),
              "org.freedesktop.DBus.Error.PropertyReadOnly");
    EXPECT_EQ(factoryCall(properties, "Get", {kFactoryInterface, "ProgId"}),
              "org.freedesktop.DBus.Error.UnknownProperty");
    // Still unused: the first good request gets the process's object.
    const QString owner = NameOwner(client, kProgId);
    EXPECT_EQ(client.CreateInstance(), owner);
    client.Disconnect();
    EXPECT_EQ(ExitCodeAfterEnd(*server), 0);
}

TEST(ServerRun, CloseEndsTheServerWithOrWithoutAWindow)
{
    for (const bool shown : {false, true}) {
        Client client;
        auto server = StartCalculator({QStringLiteral("-Automation")});
        ASSERT_TRUE(WaitForOwner(client, kProgId, 15000));
        const QString object = client.CreateInstance();
        ASSERT_FALSE(object.isEmpty());
        if (shown) {
            client.SetProperty(object, "Visible", true);
            EXPECT_EQ(PropertyValue(client.GetProperty(object, "Visible")), QVariant(true));
        }
        EXPECT_EQ(client.CallObject(object, "Close").type(), QDBusMessage::ReplyMessage);
        EXPECT_EQ(ExitCodeAfterEnd(*server), 0) << "shown " << shown;
    }
}

TEST(InteractiveRun, RegistersPublishesAndEndsWithItsWindow)
{
    Client client;
    auto calculator = StartInteractive(client, 1);
    ASSERT_TRUE(HasOwner(client, kRunningName));
    // The registration names this program by its absolute path, with the class id.
    const QString text = ReadFile(ActivationFile());
    EXPECT_TRUE(text.contains(QStringLiteral("Name=numbrix.calculator\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=%1 -Automation\n").arg(QFileInfo(NUMBRIX_CALC_PATH).canonicalFilePath())))
        << text.toStdString();
    EXPECT_TRUE(text.contains(kClassId));
    // A user's run never offers its class factory.
    EXPECT_FALSE(HasOwner(client, kProgId));

    // Attached, the client sees the user's calculator, window and all.
    EXPECT_EQ(PropertyValue(client.GetProperty(kRunningName, "Visible")), QVariant(true));
    EXPECT_EQ(ReplyValue(client.CallObject(kRunningName, "Button", {QStringLiteral("7")})), QVariant(true));
    EXPECT_EQ(PropertyValue(client.GetProperty(kRunningName, "Operand")), QVariant(7));

    // Close destroys the main window: the program ends and its name goes.
    client.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(*calculator), 0);
    EXPECT_FALSE(HasOwner(client, kRunningName));
}

TEST(InteractiveRun, TwoRunsQueueAndTheSecondTakesOverTheName)
{
    Client client;
    auto first = StartInteractive(client, 1);
    ASSERT_TRUE(QFile::remove(ActivationFile()));
    auto second = StartInteractive(client, 2);
    const QStringList queue = QueuedOwners(client, kRunningName);
    ASSERT_EQ(queue.size(), 2);
    // The second run wrote the registration again.
    EXPECT_TRUE(QFileInfo::exists(ActivationFile()));
    EXPECT_EQ(ProcessIdOf(client, queue.at(0)), static_cast<uint>(first->processId()));

    client.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(*first), 0);
    EXPECT_TRUE(WaitFor([&] { return NameOwner(client, kRunningName) == queue.at(1); }));
    EXPECT_EQ(ProcessIdOf(client, NameOwner(client, kRunningName)), static_cast<uint>(second->processId()));
    client.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(*second), 0);
}

TEST(Activation, EachCreateInstanceStartsItsOwnServer)
{
    Client user;
    auto interactive = StartInteractive(user, 1);

    Client first;
    Client second;
    QString error;
    const QString one = first.CreateInstance(&error);
    ASSERT_FALSE(one.isEmpty()) << error.toStdString();
    const QString two = second.CreateInstance(&error);
    ASSERT_FALSE(two.isEmpty()) << error.toStdString();
    EXPECT_NE(one, two);
    const uint pidOne = ProcessIdOf(user, one);
    const uint pidTwo = ProcessIdOf(user, two);
    EXPECT_NE(pidOne, pidTwo);
    EXPECT_NE(pidOne, static_cast<uint>(interactive->processId()));

    // Objects of their own: what one client does, the other does not see.
    first.SetProperty(one, "Accum", 11);
    EXPECT_EQ(PropertyValue(second.GetProperty(two, "Accum")), QVariant(0));
    // And neither is the user's calculator.
    EXPECT_EQ(PropertyValue(user.GetProperty(kRunningName, "Accum")), QVariant(0));

    // The first creator goes: its server ends, the second stays.
    first.Disconnect();
    EXPECT_TRUE(WaitForNoOwner(user, one));
    EXPECT_TRUE(HasOwner(user, two));
    second.Disconnect();
    EXPECT_TRUE(WaitForNoOwner(user, two));
    user.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(*interactive), 0);
}

TEST(Activation, SimultaneousRequestsStillGetOneServerEach)
{
    Client user;
    auto interactive = StartInteractive(user, 1);
    // Sent together, before any server runs: both reach the first process,
    // which passes the second on.
    Client first;
    Client second;
    const QDBusMessage create = QDBusMessage::createMethodCall(kProgId, QStringLiteral("/Factory"), kFactoryInterface,
                                                               QStringLiteral("CreateInstance"));
    QDBusPendingCall a = first.Bus().asyncCall(create, 20000);
    QDBusPendingCall b = second.Bus().asyncCall(create, 20000);
    ASSERT_TRUE(WaitFor([&] { return a.isFinished() && b.isFinished(); }, 25000));
    const QString one = ReplyValue(a.reply()).toString();
    const QString two = ReplyValue(b.reply()).toString();
    ASSERT_FALSE(one.isEmpty()) << a.reply().errorMessage().toStdString();
    ASSERT_FALSE(two.isEmpty()) << b.reply().errorMessage().toStdString();
    EXPECT_NE(ProcessIdOf(user, one), ProcessIdOf(user, two));
    // Each object belongs to its own client, also the one passed on: the
    // first client going ends its server only, whichever process served it.
    first.Disconnect();
    EXPECT_TRUE(WaitForNoOwner(user, one));
    EXPECT_FALSE(WaitForNoOwner(user, two, 1000));
    second.Disconnect();
    EXPECT_TRUE(WaitForNoOwner(user, two));
    user.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(*interactive), 0);
}

TEST(Activation, AKilledClientReleasesItsObjectAndTheServerEnds)
{
    Client user;
    auto interactive = StartInteractive(user, 1);
    // An outside client that creates an object and then is killed mid-session.
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import dbus, sys, time\n"
                                 "bus = dbus.SessionBus()\n"
                                 "factory = bus.get_object('numbrix.calculator', '/Factory')\n"
                                 "name, path = factory.CreateInstance(dbus_interface='numbrix.calculator.Factory')\n"
                                 "calc = bus.get_object(name, path)\n"
                                 "calc.Button('4', dbus_interface='numbrix.calculator.Calculator')\n"
                                 "print(name, flush=True)\n"
                                 "time.sleep(60)\n")});
    ASSERT_TRUE(WaitFor([&] { return python.canReadLine(); }, 20000));
    const QString server = QString::fromUtf8(python.readLine()).trimmed();
    ASSERT_TRUE(HasOwner(user, server));
    EXPECT_EQ(PropertyValue(user.GetProperty(server, "Operand")), QVariant(4));
    python.kill();
    python.waitForFinished(5000);
    EXPECT_TRUE(WaitForNoOwner(user, server));
    user.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(*interactive), 0);
}

TEST(Activation, AProgramPathWithBlanksIsQuotedAndStillStarts)
{
    QTemporaryDir place;
    const QString directory = place.path() + QStringLiteral("/numbrix calc's dir");
    ASSERT_TRUE(QDir().mkpath(directory));
    const QString copy = directory + QStringLiteral("/numbrix-calc");
    ASSERT_TRUE(QFile::copy(QStringLiteral(NUMBRIX_CALC_PATH), copy));

    // The daemon takes a rewritten file for new only when its modification
    // time (in seconds) differs from the one it knows.
    QFile::remove(ActivationFile());
    QThread::msleep(1100);

    Client user;
    QProcess interactive;
    interactive.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    interactive.start(copy, {});
    ASSERT_TRUE(WaitForOwner(user, kRunningName, 15000));
    EXPECT_TRUE(ReadFile(ActivationFile()).contains(QStringLiteral("Exec=\"%1/numbrix calc's dir/numbrix-calc\" -Automation")
                                                        .arg(QFileInfo(place.path()).canonicalFilePath())));
    Client client;
    QString error;
    const QString server = client.CreateInstance(&error);
    ASSERT_FALSE(server.isEmpty()) << error.toStdString();
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(ProcessIdOf(user, server))).symLinkTarget();
    EXPECT_EQ(exe, QFileInfo(copy).canonicalFilePath());
    client.Disconnect();
    EXPECT_TRUE(WaitForNoOwner(user, server));
    user.CallObject(kRunningName, "Close");
    EXPECT_EQ(ExitCodeAfterEnd(interactive), 0);
}

}  // namespace
