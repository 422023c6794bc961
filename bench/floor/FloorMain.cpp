// The floor for the start-up, memory and idle figures: the least a Qt Widgets
// program with the same kind of window needs (a menu bar, a calendar, a list
// and a tray icon), doing nothing else.
#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QSystemTrayIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
    auto *client = new QWidget;
    auto *layout = new QHBoxLayout(client);
    layout->addWidget(new QListWidget);
    layout->addWidget(new QCalendarWidget);
    window.setCentralWidget(client);
    QSystemTrayIcon tray(app.style()->standardIcon(QStyle::SP_ComputerIcon));
    tray.show();
    window.show();
    return QApplication::exec();
}
