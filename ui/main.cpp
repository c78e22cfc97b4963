// SPDX-License-Identifier: MIT
// Program start: the application, the main window, the message loop.
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include "MainUnit.h"
#include "SdlSoundPlayer.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zembra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Zembra"));

    zembra::SdlSoundPlayer sound;
    zembra::TMainForm MainForm(sound);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm.move(screen->availableGeometry().center() - MainForm.rect().center());
    MainForm.show();
    // The audio output opens once the window is up, so start-up does not
    // wait for the sound server.
    QTimer::singleShot(0, &MainForm, [&sound] { sound.open(); });
    return QApplication::exec();
}
