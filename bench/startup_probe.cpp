// Starts either the set-up program or a bare maximised Qt main window with a menu bar, and at the
// first paint of that window prints the monotonic clock (nanoseconds) and the peak resident size
// (kilobytes), then quits. The benchmark that spawns it measures from just before the spawn.
//
//   startup_probe setup|bare
#include "app/program.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace {
class TFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!FSeen && event->type() == QEvent::Paint && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->window()->windowTitle() == "Setup" && widget->window()->isVisible()) {
                FSeen = true;
                timespec now;
                clock_gettime(CLOCK_MONOTONIC, &now);
                rusage usage;
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            usage.ru_maxrss);
                std::fflush(stdout);
                QTimer::singleShot(0, [] { std::_Exit(0); });
            }
        }
        return false;
    }

private:
    bool FSeen = false;
};
} // namespace

// The offscreen platform's notices would only clutter the benchmark's report.
void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    qInstallMessageHandler(Quiet);
    static TFirstPaint probe;
    if (std::strcmp(argv[1], "setup") == 0) {
        return RunSetupProgram(1, argv, [] { qApp->installEventFilter(&probe); });
    }
    setenv("QT_NO_GLIB", "1", 0);
    int one = 1;
    QApplication app(one, argv);
    app.installEventFilter(&probe);
    QMainWindow window;
    window.setWindowTitle("Setup");
    window.menuBar()->addMenu("&File")->addAction("&Exit");
    window.menuBar()->addMenu("&Help")->addAction("H&ow to use this program");
    window.setCentralWidget(new QWidget);
    window.showMaximized();
    return app.exec();
}
