// SPDX-License-Identifier: MIT
// The peer of the start-up and memory benchmarks: a bare Qt Widgets window
// of the game's size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(367, 491);
    window.show();
    return QApplication::exec();
}
