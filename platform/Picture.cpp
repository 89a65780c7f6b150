#include "platform/Picture.h"

#include "platform/Bmp.h"
#include "platform/DataFiles.h"
#include "platform/FloodFill.h"
#include "platform/Toolkit.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

namespace {
qint64 pixelsInUse = 0;

qint64 PixelsOf(const QImage& image) { return image.isNull() ? 0 : qint64(image.width()) * image.height(); }

// Pictures already decoded, by file. Many controls show the same file (the 50
// car pictures, the bars and banners of every screen); QImage shares its
// pixels until a control paints on its own copy, so each file is decoded and
// held once. A file that changed on disk since (other size, time or inode) is
// read again. What is kept here counts against the budget.
struct DecodedFile {
    dev_t device;
    ino_t inode;
    off_t size;
    timespec modified;
    QImage image;
};

bool SameFile(const DecodedFile& d, const struct stat& st) {
    return d.device == st.st_dev && d.inode == st.st_ino && d.size == st.st_size &&
           d.modified.tv_sec == st.st_mtim.tv_sec && d.modified.tv_nsec == st.st_mtim.tv_nsec;
}

QHash<QString, DecodedFile>& DecodedFiles() {
    static QHash<QString, DecodedFile> files;
    return files;
}

void Forget(const QString& path) {
    auto it = DecodedFiles().find(path);
    if (it == DecodedFiles().end())
        return;
    pixelsInUse -= PixelsOf(it->image);
    DecodedFiles().erase(it);
}

// Whether `pixels` more fit into the budget of all pictures together;
// decoded files no control shows any more are let go to make room.
bool Fits(qint64 pixels) {
    if (pixels <= MaxAllPicturePixels - pixelsInUse)
        return true;
    QHash<QString, DecodedFile>& files = DecodedFiles();
    for (auto it = files.begin(); it != files.end();) {
        if (it->image.isDetached()) {
            pixelsInUse -= PixelsOf(it->image);
            it = files.erase(it);
        } else {
            ++it;
        }
    }
    return pixels <= MaxAllPicturePixels - pixelsInUse;
}

// Whether a picture of this size may be decoded at all.
bool WithinBudget(const QSize& size) {
    return size.isValid() && !size.isEmpty() && qint64(size.width()) * size.height() <= MaxPicturePixels;
}

// The largest picture file read: a picture of MaxPicturePixels at 32 bits a
// pixel and room for headers, palettes and what follows the pixels.
constexpr qint64 MaxPictureFileSize = MaxPicturePixels * 4 + 1024 * 1024;
// The first bytes, enough for the headers of every format Qt reads.
constexpr qint64 HeadSize = 64 * 1024;

// A buffer that notes a read asking for more than was left: a picture whose
// decoder read past the end lacks some of its pixels.
class WatchedBuffer : public QBuffer {
public:
    using QBuffer::QBuffer;
    bool ReadPastEnd = false;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = QBuffer::readData(data, maxSize);
        if (n < maxSize)
            ReadPastEnd = true;
        return n;
    }
};

// Reads up to `count` bytes at the file's position with plain reads (a file
// cut meanwhile gives fewer, never a signal). Null when the memory cannot be
// had.
QByteArray ReadBytes(QFile& file, qint64 count) {
    QByteArray bytes;
    try {
        bytes = QByteArray(qsizetype(count), Qt::Uninitialized);
    } catch (const std::bad_alloc&) {
        return {};
    }
    if (bytes.isNull() || bytes.size() != count)
        return {};
    qint64 have = 0;
    while (have < count) {
        const ssize_t n = ::read(file.handle(), bytes.data() + have, size_t(count - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        have += n;
    }
    bytes.truncate(qsizetype(have));
    if (bytes.isNull())
        bytes = QByteArray("");  // an empty file: empty, not null
    return bytes;
}

// Decodes an open picture file: the game's artwork through the quick reader,
// anything else through Qt's readers, once the header has shown a size
// within the budget. Raises for a file that is no picture the game may show.
QImage DecodeOpenFile(QFile& file, const QString& fileName) {
    const qint64 fileSize = file.size();
    const QByteArray head = ReadBytes(file, std::min(fileSize, HeadSize));
    QSize size = PlainBmpSize(reinterpret_cast<const uchar*>(head.constData()), head.size(), fileSize);
    const bool plain = size.isValid();
    if (!plain) {
        QBuffer headBuffer;
        headBuffer.setData(head);
        headBuffer.open(QIODevice::ReadOnly);
        size = QImageReader(&headBuffer).size();
    }
    if (!WithinBudget(size))
        RaiseFileError(fileName, FileProblem::NotAPicture);
    if (!Fits(qint64(size.width()) * size.height()))
        RaiseFileError(fileName, FileProblem::NoRoom);
    if (fileSize > MaxPictureFileSize)
        RaiseFileError(fileName, FileProblem::TooLarge);
    if (::lseek(file.handle(), 0, SEEK_SET) != 0)
        RaiseFileError(fileName, FileProblem::Unreadable);
    const QByteArray bytes = ReadBytes(file, fileSize);
    if (bytes.isNull())
        RaiseFileError(fileName, FileProblem::NoRoom);
    QImage image = ReadPlainBmp(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size());
    if (image.isNull()) {
        WatchedBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        QImageReader reader(&buffer);
        // A BMP's decoder reads its rows exactly: one that reads past the
        // end has rows the file lacks (Qt would leave them uninitialised).
        if (!WithinBudget(reader.size()) || !reader.read(&image) || (bytes.startsWith("BM") && buffer.ReadPastEnd))
            RaiseFileError(fileName, FileProblem::NotAPicture);
    }
    if (image.size() != size && plain)
        RaiseFileError(fileName, FileProblem::NotAPicture);  // cut while it was read
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        RaiseFileError(fileName, FileProblem::NoRoom);
    return image;
}

// Reads and decodes a picture file, or takes it from the files decoded before.
QImage DecodeFile(const QString& fileName) {
    QFile file;
    OpenDataFile(file, fileName);
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QHash<QString, DecodedFile>& files = DecodedFiles();
    struct stat st {};
    const bool known = ::fstat(file.handle(), &st) == 0;
    if (known) {
        auto it = files.constFind(path);
        if (it != files.constEnd() && SameFile(*it, st))
            return it->image;
    }
    Forget(path);
    const QImage loaded = DecodeOpenFile(file, fileName);
    if (known && Fits(PixelsOf(loaded))) {
        files.insert(path, DecodedFile{st.st_dev, st.st_ino, st.st_size, st.st_mtim, loaded});
        pixelsInUse += PixelsOf(loaded);
    }
    return loaded;
}
}  // namespace

qint64 PicturePixelsInUse() { return pixelsInUse; }

TPicture::TPicture(QWidget* parent, const QString& name, int x, int y, int w, int h) : QWidget(parent) {
    setObjectName(name);
    if (w > 0 && h > 0) {
        setGeometry(x, y, w, h);
        fixedSize_ = true;
    } else {
        move(x, y);
    }
}

TPicture::~TPicture() { pixelsInUse -= counted_; }

void TPicture::hold(const QImage& image, const QString& what) const {
    const qint64 pixels = PixelsOf(image);
    if (pixels > counted_ && !Fits(pixels - counted_))
        RaiseFileError(what, FileProblem::NoRoom);
    pixelsInUse += pixels - counted_;
    counted_ = pixels;
    image_ = image;
}

void TPicture::makeWritable() {
    if (image_.isNull() || image_.isDetached())
        return;
    QImage own = image_.copy();
    if (own.isNull())
        RaiseFileError(objectName(), FileProblem::NoRoom);
    image_ = own;
}

void TPicture::LoadFromFile(const QString& fileName) {
    const QImage image = DecodeFile(fileName);
    pending_.clear();
    hold(image, fileName);
    if (!fixedSize_)
        resize(image_.size());
    update();
}

void TPicture::decodePending() const {
    if (pending_.isEmpty())
        return;
    const QString fileName = std::exchange(pending_, QString());
    try {
        hold(DecodeFile(fileName), fileName);
    } catch (const ToolkitError&) {
        // Broken since it was named: the picture stays as it was.
    }
}

void TPicture::SetImage(const QImage& image) {
    pending_.clear();
    const QImage converted = image.convertToFormat(QImage::Format_RGB32);
    if (converted.isNull() && !image.isNull())
        RaiseFileError(objectName(), FileProblem::NoRoom);
    hold(converted, objectName());
    if (!fixedSize_)
        resize(image_.size());
    update();
}

void TPicture::ensureCanvas() {
    decodePending();
    if (image_.isNull()) {
        QImage canvas(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
        if (canvas.isNull())
            RaiseFileError(objectName(), FileProblem::NoRoom);
        canvas.fill(Qt::white);
        hold(canvas, objectName());
    }
    makeWritable();
}

QRgb TPicture::Pixel(int x, int y) const {
    decodePending();
    if (!image_.valid(x, y))
        return 0;
    return image_.pixel(x, y) & 0xFFFFFF;
}

void TPicture::SetPixel(int x, int y, QColor colour) {
    ensureCanvas();
    if (image_.valid(x, y)) {
        image_.setPixel(x, y, colour.rgb());
        update();
    }
}

void TPicture::FillClip(QColor colour) {
    ensureCanvas();
    image_.fill(colour.rgb());
    update();
}

void TPicture::FillRect(const QRect& rect, QColor colour) {
    ensureCanvas();
    QPainter p(&image_);
    p.fillRect(rect, colour);
    update();
}

void TPicture::Line(int x1, int y1, int x2, int y2, QColor colour) {
    ensureCanvas();
    QPainter p(&image_);
    p.setPen(QPen(colour, 1));
    p.drawLine(x1, y1, x2, y2);
    update();
}

void TPicture::Text(int x, int y, const QString& text, const QFont& font, QColor brush, QColor pen) {
    ensureCanvas();
    QPainter p(&image_);
    p.setFont(font);
    QFontMetrics fm(font);
    QRect box(x, y, fm.horizontalAdvance(text), fm.height());
    p.fillRect(box, brush);
    p.setPen(pen);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    update();
}

void TPicture::FloodFill(int x, int y, QColor colour) {
    ensureCanvas();
    // The pixels are the picture's own by now: filling allocates nothing.
    if (::FloodFill(image_, x, y, colour.rgb()) > 0)
        update();
}

void TPicture::paintEvent(QPaintEvent*) {
    decodePending();
    if (image_.isNull())
        return;
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void TPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (OnMouseDown)
        Guard(OnMouseDown);
}

void TPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && OnClick)
        Guard(OnClick);
}

void TPicture::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    if (OnDoubleClick)
        Guard(OnDoubleClick);
    else if (OnMouseDown)
        Guard(OnMouseDown);
}

bool TPicture::LoadDecoration(const QString& fileName) {
    // Only the header is read now; the pixels when the picture is first
    // painted or read, so artwork on screens still hidden costs nothing at
    // start-up.
    QFile file;
    try {
        OpenDataFile(file, fileName);
    } catch (const ToolkitError&) {
        return false;
    }
    // Our own artwork's size is in its headers; other files are left to
    // Qt's readers (which load their plugins to tell).
    const QByteArray start = file.read(PlainBmpHeaderSize);
    QSize size = PlainBmpSize(reinterpret_cast<const uchar*>(start.constData()), start.size(), file.size());
    if (!size.isValid()) {
        file.seek(0);
        QImageReader header(&file);
        size = header.size();
        if (!header.canRead())
            return false;
    }
    if (!WithinBudget(size))
        return false;
    pending_ = fileName;
    if (!fixedSize_)
        resize(size);
    update();
    return true;
}
