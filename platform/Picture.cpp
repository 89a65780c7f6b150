#include "platform/Picture.h"

#include "platform/Bmp.h"
#include "platform/DataFiles.h"
#include "platform/FloodFill.h"
#include "platform/Toolkit.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <sys/stat.h>

#include <utility>

namespace {
// Pictures already decoded, by file. Many controls show the same file (the 50
// car pictures, the bars and banners of every screen); QImage shares its
// pixels until a control paints on its own copy, so each file is decoded and
// held once. A file that changed on disk since (other size, time or inode) is
// read again.
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

// Whether a picture of this size may be decoded at all.
bool WithinBudget(const QSize& size) {
    return size.isValid() && !size.isEmpty() && qint64(size.width()) * size.height() <= MaxPicturePixels;
}

// Decodes an open picture file: the game's artwork through the quick reader,
// anything else through Qt's readers once the header has shown a size within
// the budget. Null when the file is no picture the game may show.
QImage DecodeOpenFile(QFile& file) {
    const qint64 size = file.size();
    const uchar* bytes = size > 0 ? file.map(0, size) : nullptr;
    QImage image = ReadPlainBmp(bytes, bytes ? size : 0);
    if (!image.isNull())
        return image;
    if (bytes)
        file.unmap(const_cast<uchar*>(bytes));
    file.seek(0);
    QImageReader reader(&file);
    if (!WithinBudget(reader.size()) || !reader.read(&image))
        return {};
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
    files.remove(path);
    QImage loaded = DecodeOpenFile(file);
    if (loaded.isNull())
        RaiseFileError(fileName, FileProblem::NotAPicture);
    loaded = loaded.convertToFormat(QImage::Format_RGB32);
    if (known)
        files.insert(path, DecodedFile{st.st_dev, st.st_ino, st.st_size, st.st_mtim, loaded});
    return loaded;
}
}  // namespace

TPicture::TPicture(QWidget* parent, const QString& name, int x, int y, int w, int h) : QWidget(parent) {
    setObjectName(name);
    if (w > 0 && h > 0) {
        setGeometry(x, y, w, h);
        fixedSize_ = true;
    } else {
        move(x, y);
    }
}

void TPicture::LoadFromFile(const QString& fileName) { SetImage(DecodeFile(fileName)); }

void TPicture::decodePending() const {
    if (pending_.isEmpty())
        return;
    const QString fileName = std::exchange(pending_, QString());
    try {
        image_ = DecodeFile(fileName);
    } catch (const ToolkitError&) {
        // Broken since it was named: the picture stays as it was.
    }
}

void TPicture::SetImage(const QImage& image) {
    pending_.clear();
    image_ = image.convertToFormat(QImage::Format_RGB32);
    if (!fixedSize_)
        resize(image_.size());
    update();
}

void TPicture::ensureCanvas() {
    decodePending();
    if (image_.isNull()) {
        image_ = QImage(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
        image_.fill(Qt::white);
    }
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
