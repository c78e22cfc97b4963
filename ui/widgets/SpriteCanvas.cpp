// SPDX-License-Identifier: MIT
#include "SpriteCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "EmbeddedAssets.h"

namespace zembra {

// One sprite of a canvas seen as an engine image control.
class CanvasImage final : public ImageControl {
public:
    CanvasImage(SpriteCanvas& canvas, int index) : canvas_(canvas), index_(index) {}

    void Show() override { setShown(true); }
    void Hide() override { setShown(false); }
    bool Shown() const override { return sprite().shown; }

    void LoadPicture(const std::string& name) override
    {
        auto& s = sprite();
        const QString key = QString::fromStdString(name);
        if (s.name == key)
            return;
        s.name = key;
        s.picture = EmbeddedAssets::cellPicture(key);
        if (s.shown)
            canvas_.repaintSprite(index_);
    }
    std::string PictureName() const override { return sprite().name.toStdString(); }

    void SetBounds(int left, int top, int width, int height) override
    {
        auto& s = sprite();
        const QRect rect(left, top, width, height);
        if (s.rect == rect)
            return;
        if (s.shown)
            canvas_.repaintSprite(index_);
        s.rect = rect;
        if (s.shown)
            canvas_.repaintSprite(index_);
    }
    int Left() const override { return sprite().rect.left(); }
    int Top() const override { return sprite().rect.top(); }

private:
    SpriteCanvas::Sprite& sprite() { return canvas_.sprites_[index_]; }
    const SpriteCanvas::Sprite& sprite() const { return canvas_.sprites_[index_]; }
    void setShown(bool on)
    {
        auto& s = sprite();
        if (s.shown == on)
            return;
        s.shown = on;
        canvas_.repaintSprite(index_);
    }

    SpriteCanvas& canvas_;
    int index_;
};

SpriteCanvas::SpriteCanvas(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SpriteCanvas::setBackdrop(const QPixmap& picture)
{
    backdrop_ = picture;
    update();
}

void SpriteCanvas::setBackdropColour(const QColor& colour)
{
    backdropColour_ = colour;
    update();
}

std::unique_ptr<ImageControl> SpriteCanvas::CreateImage()
{
    const int index = static_cast<int>(sprites_.size());
    sprites_.push_back({});
    order_.push_back(index);
    return std::make_unique<CanvasImage>(*this, index);
}

void SpriteCanvas::repaintSprite(int index)
{
    update(sprites_[index].rect.translated(origin_));
}

void SpriteCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (backdrop_.isNull())
        painter.fillRect(dirty, backdropColour_);
    else
        painter.drawPixmap(dirty, backdrop_, dirty);
    // Nearest-pixel scaling keeps the bevelled cells sharp at any size.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int index : order_) {
        const Sprite& s = sprites_[index];
        const QRect target = s.rect.translated(origin_);
        if (s.shown && s.picture && target.intersects(dirty))
            painter.drawPixmap(target, *s.picture);
    }
}

bool SpriteCanvas::spriteAt(QPoint point) const
{
    for (const Sprite& s : sprites_)
        if (s.shown && s.rect.translated(origin_).contains(point))
            return true;
    return false;
}

}  // namespace zembra
