// SPDX-License-Identifier: MIT
// Program start: the application, the main window, the message loop.
#include <QApplication>
#include <QScreen>

#include "AppLook.h"
#include "FirstFrame.h"
#include "FixedSizeKeeper.h"
#include "MainUnit.h"
#include "PlatformStart.h"
#include "SoundPlayer.h"

int main(int argc, char** argv)
{
    zembra::QtArguments args = zembra::startPlatform(argc, argv);
    QApplication app(args.argc(), args.argv());
    QApplication::setApplicationName(QStringLiteral("Zembra"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEMBRA_APP_ID));
    zembra::applyAppLook(app);
    zembra::keepFixedSizes(app);

    const std::unique_ptr<zembra::SoundPlayer> sound = zembra::createSoundPlayer();
    zembra::TMainForm MainForm(*sound);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        MainForm.move(screen->availableGeometry().center() - MainForm.rect().center());
    MainForm.show();
    // Opening the audio output can load the mixer and its decoders and
    // connect to the sound server. Begun before the first frame, it held the
    // dynamic loader and a processor core that frame needed; nothing sounds
    // before a game starts, and starting one opens the output at the latest.
    zembra::afterFirstFrame(MainForm, [&sound] { sound->openInBackground(); });
    return QApplication::exec();
}
