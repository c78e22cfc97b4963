// SPDX-License-Identifier: MIT
// Program start: the application, the main window, the message loop.
#include <QApplication>
#include <QScreen>

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
    sound.openInBackground();
    MainForm.show();
    return QApplication::exec();
}
