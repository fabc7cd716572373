// Renders the main window offscreen into a PNG, for the README and for looking at the
// layout: shrink4_render_window OUT.png [WIDTH HEIGHT]
#include "ui/MainWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QPixmap>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png [WIDTH HEIGHT]\n", argv[0]);
        return 2;
    }
    shrink4::MainWindow window;
    if (argc >= 4)
        window.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    window.show();
    QApplication::processEvents();
    std::printf("size hint %dx%d, size %dx%d, font %s %g\n", window.sizeHint().width(), window.sizeHint().height(),
                window.width(), window.height(), qPrintable(window.font().family()), window.font().pointSizeF());
    const QSize min = window.minimumSizeHint();
    std::printf("minimum %dx%d\n", min.width(), min.height());
    for (QGroupBox* w : window.findChildren<QGroupBox*>())
        std::printf("  %s %dx%d at %d,%d\n", qPrintable(w->title()), w->width(), w->height(), w->x(), w->y());
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
