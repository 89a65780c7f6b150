// The floors start-up is measured against: a Qt Widgets program showing one
// frameless 808 × 601 window, bare, or with `--text` one "Start" button in
// 12-pixel Arial (the first line of text pays for the font set-up, as the
// game's start screen does). It quits as soon as the window has been painted.
// The caption names the floor, so bench/startup.py can tell its windows apart.
#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {
class Window : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (!quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
    }

private:
    bool quitting_ = false;
};
}  // namespace

int main(int argc, char** argv) {
    const bool text = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    QApplication app(argc, argv);
    Window w;
    w.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    w.setWindowTitle(text ? QStringLiteral("text_window") : QStringLiteral("bare_window"));
    w.setFixedSize(808, 601);
    if (text) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(12);
        w.setFont(font);
        auto* start = new QPushButton(QStringLiteral("Start"), &w);
        start->setGeometry(720, 500, 75, 25);
    }
    w.show();
    return app.exec();
}
