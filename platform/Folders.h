#pragma once

// The player's folders as the environment names them. Core only: the
// highscore file and its fuzz target use this without any widget code.

#include <QByteArray>

// `path` without trailing slashes when it names an existing folder other
// than the filesystem root (the player's home, a cache or data folder from
// the environment), else empty.
QByteArray UsableFolder(QByteArray path);

// Qt keeps compiled shaders (for the clip's frames where it converts them
// with OpenGL: on native Wayland; on X11 the game asks for no OpenGL) in a
// disk cache below $XDG_CACHE_HOME or $HOME/.cache. With neither a usable folder
// (unset, not a folder, or the filesystem root) that would be /.cache at the
// root; the disk cache is switched off instead. Call before the application
// object is made.
void KeepDiskCachesAtHome();
