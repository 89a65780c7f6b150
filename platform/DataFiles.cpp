#include "platform/DataFiles.h"

#include "platform/Toolkit.h"

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace {
// Opens without waiting: O_NONBLOCK makes a FIFO open at once (where a plain
// open waits for a writer) and the type is checked on the open descriptor,
// so nothing can be swapped in between. Returns the descriptor or raises.
int openPlainFile(const QString& fileName) {
    const QByteArray path = QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        RaiseFileError(fileName, errno == ENOENT ? FileProblem::Missing : FileProblem::Unreadable);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        RaiseFileError(fileName, FileProblem::Unreadable);
    }
    // Reads of a plain file never wait; the flag is dropped all the same.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}
}  // namespace

void OpenDataFile(QFile& file, const QString& fileName) {
    const int fd = openPlainFile(fileName);
    file.setFileName(fileName);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        RaiseFileError(fileName, FileProblem::Unreadable);
    }
}

void CheckDataFile(const QString& fileName) { ::close(openPlainFile(fileName)); }
