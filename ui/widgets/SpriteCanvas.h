// SPDX-License-Identifier: MIT
// A widget that paints a backdrop and a set of picture sprites: the well
// panel with its 252 cells, and the background with the previews and stars.
// Each sprite is an image control of the engine; a change repaints only the
// sprite's own rectangle.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <vector>

#include "EngineInterfaces.h"

namespace zembra {

class SpriteCanvas : public QWidget, public ImageParent {
    Q_OBJECT

public:
    explicit SpriteCanvas(QWidget* parent = nullptr);

    void setBackdrop(const QPixmap& picture);
    void setBackdropColour(const QColor& colour);
    // Sprite positions are given in the coordinates of the widget whose
    // origin lies at `origin` of this canvas (the main window for the
    // background, whose picture starts at (-2, 45) of the window).
    void setSpriteOrigin(QPoint origin) { origin_ = origin; }

    std::unique_ptr<ImageControl> CreateImage() override;

    // What is painted where, for tests and benchmarks.
    int spriteCount() const { return static_cast<int>(sprites_.size()); }
    bool spriteShown(int index) const { return sprites_[index].shown; }
    QString spritePicture(int index) const { return sprites_[index].name; }
    // Whether a shown sprite covers this point of the canvas.
    bool spriteAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class CanvasImage;
    struct Sprite {
        QRect rect;  // in sprite coordinates
        const QPixmap* picture = nullptr;
        QString name;
        bool shown = false;
    };
    void repaintSprite(int index);

    QPixmap backdrop_;
    QColor backdropColour_ = Qt::black;
    QPoint origin_;
    std::vector<Sprite> sprites_;
    std::vector<int> order_;  // indices in drawing order, bottom first
};

}  // namespace zembra
