// Test entry for the D-Bus tests: one offscreen Qt application and one
// private bus daemon per test process, so that every test (and every
// death-test child) has a bus nobody else uses.

#include "BusTestSupport.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {
PrivateBus* g_bus = nullptr;
}

PrivateBus& TestBus()
{
    return *g_bus;
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();

    PrivateBus bus;
    if (!bus.Started()) {
        std::fprintf(stderr, "dbus_tests: could not start a private dbus-daemon\n");
        return 1;
    }
    g_bus = &bus;
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
    qputenv("XDG_DATA_HOME", bus.DataHome().toUtf8());
    // A child of a death test runs one statement and exits; the parent
    // checks how. Re-executing keeps each child's bus its own.
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    return RUN_ALL_TESTS();
}
