#pragma once
// The window system the game asks Qt for. The forms place and activate
// themselves (centred on the desktop, the running screen brought to the
// front), which a Wayland compositor does not let a client do. On a Wayland
// session the game therefore runs through XWayland: X11 first, Wayland only
// where there is no X server. A platform the user names stays as it is.

#include <QByteArray>

struct SessionEnvironment {
    QByteArray qpaPlatform;     // QT_QPA_PLATFORM
    QByteArray waylandDisplay;  // WAYLAND_DISPLAY
    QByteArray sessionType;     // XDG_SESSION_TYPE
};

// The platform list to put into QT_QPA_PLATFORM, or an empty array where Qt's
// own choice stands.
QByteArray PreferredPlatform(const SessionEnvironment& env);

// Reads the environment and sets QT_QPA_PLATFORM as PreferredPlatform says;
// on X11 asks for no OpenGL (QT_XCB_GL_INTEGRATION=none) unless the user
// chose otherwise. Call before the application object exists.
void ChooseWindowSystem();
