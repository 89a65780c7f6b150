#include "platform/WindowSystem.h"

#include <QtGlobal>

QByteArray PreferredPlatform(const SessionEnvironment& env) {
    // Qt treats an empty QT_QPA_PLATFORM as unset, and so do we.
    if (!env.qpaPlatform.isEmpty())
        return {};
    const bool wayland = !env.waylandDisplay.isEmpty() || env.sessionType == "wayland";
    if (!wayland)
        return {};
    // A fallback list: Qt tries xcb, and takes wayland when no X server
    // answers (a compositor without XWayland).
    return QByteArrayLiteral("xcb;wayland");
}

void ChooseWindowSystem() {
    const QByteArray platform =
        PreferredPlatform({qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE")});
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    // The game paints everything with QPainter, the clip included. Without an
    // OpenGL integration Qt converts the clip's frames on the CPU; with one
    // it makes an OpenGL context for that alone (on most X servers Mesa's
    // software renderer), whose allocations outlive the program. A value the
    // user sets stands.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
