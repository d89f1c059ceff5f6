#pragma once
// Qt's platform when the user names none: the X display first wherever one
// is reachable, else the Wayland compositor, else drawing off the screen;
// what Qt says about the displays it could not reach is dropped. Nothing
// else of the start-up.

// Before the Qt application is made: unless the user chose a platform
// (QT_QPA_PLATFORM, -platform), lets Qt try them in our order and holds
// back what it says while it does. TRUE when it did so.
bool ChoosePlatformWithFallback(int argc, char** argv);

// After the Qt application is made, when ChoosePlatformWithFallback did
// choose: lets the programs we start choose their own, passes on what Qt
// said about the platform it settled on and drops the rest. TRUE when that
// platform is a display someone sees (not the off-screen one).
bool SettlePlatformChoice();
