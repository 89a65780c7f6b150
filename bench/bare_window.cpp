// The floor start-up is measured against: a bare Qt Widgets program showing
// one 808 × 601 window. It quits as soon as the window has been painted.
#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

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
    QApplication app(argc, argv);
    Window w;
    w.setFixedSize(808, 601);
    w.show();
    return app.exec();
}
