// SPDX-License-Identifier: MIT
// The peer of the start-up and memory benchmarks: a bare Qt Widgets window
// of the game's size, and nothing else. With --captions it also shows the
// captions the game shows at start (the six toolbar captions and the level
// name) in the game's embedded fonts, to tell the cost of the Chinese text
// from the cost of the rest of the game.
#include <QApplication>
#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <cstring>

#include "Fonts.h"
#include "PlatformStart.h"

int main(int argc, char** argv)
{
    const bool captions = argc > 1 && std::strcmp(argv[1], "--captions") == 0;
    zembra::QtArguments args = captions ? zembra::startPlatform(argc, argv) : zembra::QtArguments(argc, argv, {});
    QApplication app(args.argc(), args.argv());
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(367, 491);
    if (captions) {
        zembra::fonts::registerFaces();
        window.setFont(zembra::fonts::arial(11));
        int x = 2;
        for (const char* text : {"开始(F2)", "暂停(F3)", "设置", "帮助", "关于", "退出(&E)"}) {
            auto* button = new QToolButton(&window);
            button->setText(QString::fromUtf8(text));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setGeometry(x, 2, 56, 38);
            x += 60;
        }
        auto* level = new QLabel(QStringLiteral("一级"), &window);
        level->setFont(zembra::fonts::arial(12, true));
        level->move(44, 400);
    }
    window.show();
    return QApplication::exec();
}
