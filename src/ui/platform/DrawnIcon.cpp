#include "ui/platform/DrawnIcon.h"

#include <QApplication>
#include <QIconEngine>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace korvan {

namespace {

class TDrawnIconEngine : public QIconEngine
{
public:
    TDrawnIconEngine(QSize design, std::function<void(QPainter&)> draw)
        : Design(design), Draw(std::move(draw))
    {
    }

    QIconEngine* clone() const override { return new TDrawnIconEngine(Design, Draw); }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return Design.scaled(size, Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Render(size, mode, state, 1.0);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, Render(rect.size(), mode, state, scale));
    }

    void virtual_hook(int id, void* data) override
    {
        if (id == QIconEngine::ScaledPixmapHook) {
            auto* arg = static_cast<QIconEngine::ScaledPixmapArgument*>(data);
            arg->pixmap = Render(arg->size, arg->mode, arg->state, arg->scale);
            return;
        }
        QIconEngine::virtual_hook(id, data);
    }

private:
    QPixmap Render(QSize size, QIcon::Mode mode, QIcon::State, qreal scale)
    {
        const QSize shown = actualSize(size, mode, QIcon::Off);
        const QSize physical = (QSizeF(shown) * scale).toSize();
        const quint64 key = (quint64(physical.width()) << 32) | (quint64(physical.height()) << 2) |
                            (mode == QIcon::Disabled ? 1 : 0);
        if (auto found = Cache.constFind(key); found != Cache.constEnd())
            return *found;
        QPixmap pixmap(physical.expandedTo(QSize(1, 1)));
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(qreal(physical.width()) / Design.width(),
                    qreal(physical.height()) / Design.height());
            Draw(p);
        }
        pixmap.setDevicePixelRatio(scale);
        if (mode == QIcon::Disabled) {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
        }
        Cache.insert(key, pixmap);
        return pixmap;
    }

    QSize Design;
    std::function<void(QPainter&)> Draw;
    QMap<quint64, QPixmap> Cache;
};

} // namespace

QIcon DrawnIcon(QSize design, std::function<void(QPainter&)> draw)
{
    return QIcon(new TDrawnIconEngine(design, std::move(draw)));
}

QIcon LessonIcon()
{
    return DrawnIcon({16, 16}, [](QPainter& p) {
        const QColor edge(140, 100, 20);
        p.setPen(QPen(edge, 1));
        // The back of the folder with its tab, then the open flap before it.
        QPainterPath back;
        back.moveTo(1.5, 13.5);
        back.lineTo(1.5, 3.5);
        back.lineTo(5.5, 3.5);
        back.lineTo(7, 5);
        back.lineTo(12.5, 5);
        back.lineTo(12.5, 13.5);
        back.closeSubpath();
        p.setBrush(QColor(230, 190, 90));
        p.drawPath(back);
        QPainterPath flap;
        flap.moveTo(1.5, 13.5);
        flap.lineTo(4, 7.5);
        flap.lineTo(15, 7.5);
        flap.lineTo(12.5, 13.5);
        flap.closeSubpath();
        p.setBrush(QColor(250, 215, 120));
        p.drawPath(flap);
    });
}

QIcon SettingsIcon()
{
    return DrawnIcon({16, 16}, [](QPainter& p) {
        const QColor ink(60, 80, 130);
        // Three rows: a box that may be ticked and the line of its setting.
        for (int row = 0; row < 3; ++row) {
            const qreal y = 2.5 + row * 4.5;
            p.setPen(QPen(ink, 1));
            p.setBrush(row == 1 ? QBrush(Qt::white) : QBrush(QColor(120, 150, 210)));
            p.drawRect(QRectF(1.5, y, 3, 3));
            p.setPen(QPen(ink, 1.5));
            p.drawLine(QPointF(7, y + 1.5), QPointF(14.5, y + 1.5));
        }
    });
}

QIcon HelpIcon()
{
    return DrawnIcon({16, 16}, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 70, 150), 1));
        p.setBrush(QColor(70, 120, 210));
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        // The question mark: a hook, its stem and the dot.
        QPen mark(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(mark);
        p.setBrush(Qt::NoBrush);
        QPainterPath hook;
        hook.moveTo(5.5, 6);
        hook.arcTo(QRectF(5.5, 3.5, 5, 4.5), 180, -240);
        hook.quadTo(8, 8.5, 8, 10);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 12.6), 1.2, 1.2);
    });
}

} // namespace korvan
