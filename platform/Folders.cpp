#include "platform/Folders.h"

#include <QLoggingCategory>

#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcFolders, "pigmentra.folders")

QByteArray UsableFolder(QByteArray path) {
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    struct stat st {};
    if (!path.startsWith('/') || path == "/" || ::stat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return {};
    return path;
}

void KeepDiskCachesAtHome() {
    if (!UsableFolder(qgetenv("XDG_CACHE_HOME")).isEmpty() || !UsableFolder(qgetenv("HOME")).isEmpty())
        return;
    qputenv("QT_DISABLE_SHADER_DISK_CACHE", "1");
    qCInfo(lcFolders, "no home folder: the shader disk cache is off");
}
