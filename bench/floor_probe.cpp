// The floor the game is measured against: a bare window of the same client
// size with a menu bar and three idle timers at 250, 50 and 200 ms.
#include "probe.h"

#include <QMainWindow>
#include <QMenuBar>

#include <array>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("menu"));
    for (const char* item : {"commandes", "a propos", "lien internet", "quitter"}) {
        menu->addAction(QString::fromLatin1(item));
    }
    auto* field = new QWidget(&window);
    field->setFixedSize(762, 525);
    window.setCentralWidget(field);
    std::array<QTimer, 3> timers;
    const std::array<int, 3> intervals{250, 50, 200};
    for (std::size_t i = 0; i < timers.size(); ++i) {
        QObject::connect(&timers[i], &QTimer::timeout, [] {});
        timers[i].start(intervals[i]);
    }
    window.show();
    croquel::bench::Probe probe(window, croquel::bench::windowsFrom(argc, argv));
    return app.exec();
}
