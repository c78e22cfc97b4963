// SPDX-License-Identifier: MIT
// TURLLabel: a label that is a hyperlink. It shows its caption underlined
// in the link colour under a hand cursor; a click hands its link to the
// desktop, and after a successful open the caption turns to the visited
// colour.
#pragma once

#include <functional>

#include "StyledLabel.h"

namespace zembra {

class TURLLabel : public TStyledLabel {
    Q_OBJECT
    Q_PROPERTY(QString URL READ URL WRITE setURL)
    Q_PROPERTY(uint UnvisitedColor READ UnvisitedColor WRITE setUnvisitedColor)
    Q_PROPERTY(uint VisitedColor READ VisitedColor WRITE setVisitedColor)

public:
    // Opens a link with the desktop's handler; true when it was handed over.
    using Opener = std::function<bool(const QString& link)>;
    // Offers the choice of a program for .htm files.
    using Chooser = std::function<void()>;

    explicit TURLLabel(QWidget* parent = nullptr);

    QString URL() const { return url_; }
    void setURL(const QString& url) { url_ = url; }
    bool Visited() const { return visited_; }
    virtual void setVisited(bool on);
    TColor UnvisitedColor() const { return unvisited_; }
    virtual void setUnvisitedColor(uint colour);
    TColor VisitedColor() const { return visitedColour_; }
    virtual void setVisitedColor(uint colour);

    // The link a click opens: URL when it holds more than blanks, exactly as
    // stored, else the caption.
    QString link() const;
    // Upper-cased text from the last full stop, unless a backslash or colon
    // follows it; empty without one.
    static QString linkExtension(const QString& link);

    void setOpener(Opener opener) { opener_ = std::move(opener); }
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }
    static bool openWithDesktop(const QString& link);
    static void chooseHtmHandler();

protected:
    void Click() override;
    virtual void applyColourRule();

private:
    QString url_;
    bool visited_ = false;
    TColor unvisited_ = clHighlight;
    TColor visitedColour_ = 0x00800080;
    Opener opener_ = &TURLLabel::openWithDesktop;
    Chooser chooser_ = &TURLLabel::chooseHtmHandler;
};

}  // namespace zembra
