// SPDX-License-Identifier: MIT
// Plays embedded sounds through the game's real sound player, for the
// system tests that record what comes out of the sound server.
// Usage: sound_probe NAME@MS [NAME@MS ...] [--hold MS]
// Each NAME starts MS milliseconds after the start; the program stays up for
// --hold milliseconds after the last start (default 4000).
#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "EmbeddedAssets.h"
#include "SdlSoundPlayer.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    int hold = 4000;
    if (const auto at = args.indexOf(QStringLiteral("--hold")); at >= 0 && at + 1 < args.size()) {
        hold = args[at + 1].toInt();
        args.remove(at, 2);
    }
    zembra::SdlSoundPlayer player;
    if (!player.open()) {
        std::fprintf(stderr, "sound_probe: no audio output\n");
        return 3;
    }
    int last = 0;
    for (const QString& arg : args) {
        const QString name = arg.section(QLatin1Char('@'), 0, 0);
        const int when = arg.section(QLatin1Char('@'), 1, 1).toInt();
        const QByteArray wav = zembra::EmbeddedAssets::sound(name);
        if (wav.isEmpty()) {
            std::fprintf(stderr, "sound_probe: no sound %s\n", qPrintable(name));
            return 2;
        }
        last = std::max(last, when);
        QTimer::singleShot(when, [&player, name, wav] { player.play(name, wav); });
    }
    QTimer::singleShot(last + hold, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
