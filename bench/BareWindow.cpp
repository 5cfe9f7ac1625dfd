// The idle benchmark's baseline: the least a Qt program with a window and a one-second clock
// costs while it waits.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* clock = new QLabel(&window);
    window.setCentralWidget(clock);
    window.resize(599, 380);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, clock,
                     [clock] { clock->setText(QTime::currentTime().toString("hh:mm:ss")); });
    tick.start(1000);
    window.show();
    return QApplication::exec();
}
