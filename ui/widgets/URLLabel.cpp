// SPDX-License-Identifier: MIT
#include "URLLabel.h"

#include <QCursor>
#include <QDesktopServices>
#include <QUrl>

#include "HtmlHandlerChooser.h"

namespace zembra {

namespace {

// Blanks and control characters at both ends removed.
QString trimmedLink(const QString& s)
{
    int from = 0, to = static_cast<int>(s.size());
    while (from < to && s.at(from).unicode() <= 0x20)
        ++from;
    while (to > from && s.at(to - 1).unicode() <= 0x20)
        --to;
    return s.mid(from, to - from);
}

}  // namespace

TURLLabel::TURLLabel(QWidget* parent) : TStyledLabel(parent)
{
    // Every desktop we run on has a pointing hand of its own.
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    applyColourRule();
}

void TURLLabel::setVisited(bool on)
{
    if (on == visited_)
        return;
    visited_ = on;
    applyColourRule();
    update();
}

void TURLLabel::setUnvisitedColor(uint colour)
{
    if (colour == unvisited_)
        return;
    unvisited_ = colour;
    applyColourRule();
    update();
}

void TURLLabel::setVisitedColor(uint colour)
{
    if (colour == visitedColour_)
        return;
    visitedColour_ = colour;
    applyColourRule();
    update();
}

void TURLLabel::applyColourRule()
{
    setFontColor(visited_ ? visitedColour_ : unvisited_);
}

QString TURLLabel::link() const
{
    return trimmedLink(url_).isEmpty() ? Caption() : url_;
}

QString TURLLabel::linkExtension(const QString& link)
{
    const auto dot = link.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString tail = link.mid(dot);
    if (tail.contains(QLatin1Char('\\')) || tail.contains(QLatin1Char(':')))
        return {};
    QString upper = tail;
    for (QChar& c : upper)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return upper;
}

void TURLLabel::Click()
{
    const QString target = link();
    if (trimmedLink(target).isEmpty())
        return;
    if (opener_ && opener_(target)) {
        setVisited(true);
        repaint();
        return;
    }
    if (linkExtension(target) == QLatin1String(".HTM") && chooser_)
        chooser_();
}

bool TURLLabel::openWithDesktop(const QString& link)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(trimmedLink(link)));
}

void TURLLabel::chooseHtmHandler()
{
    chooseHtmlHandler();
}

}  // namespace zembra
