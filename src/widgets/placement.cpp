// SPDX-License-Identifier: GPL-2.0-or-later
#include "widgets/placement.h"

#include <QtGlobal>
#include <array>

namespace {

enum class Side { Right, Left, Below, Above };

// The part of screen on one side of occupied, kept gap away from it.
QRect freeSide(const QRect& screen, const QRect& occupied, Side side, int gap)
{
    QRect r = screen;
    switch (side) {
    case Side::Right:
        r.setLeft(occupied.right() + 1 + gap);
        break;
    case Side::Left:
        r.setRight(occupied.left() - 1 - gap);
        break;
    case Side::Below:
        r.setTop(occupied.bottom() + 1 + gap);
        break;
    case Side::Above:
        r.setBottom(occupied.top() - 1 - gap);
        break;
    }
    return r;
}

// A frame of size within area, level with occupied, on the side of area next to occupied
// (near) or on the far one.
QRect frameIn(const QRect& area, const QSize& size, const QRect& occupied, Side side, bool near)
{
    const auto level = [](int want, int low, int high) { return qMax(low, qMin(want, high)); };
    QRect r(QPoint(), size);
    switch (side) {
    case Side::Right:
    case Side::Left:
        r.moveTop(level(occupied.top(), area.top(), area.bottom() + 1 - size.height()));
        r.moveLeft((side == Side::Right) == near ? area.left() : area.right() + 1 - size.width());
        break;
    case Side::Below:
    case Side::Above:
        r.moveLeft(level(occupied.left(), area.left(), area.right() + 1 - size.width()));
        r.moveTop((side == Side::Below) == near ? area.top() : area.bottom() + 1 - size.height());
        break;
    }
    return r;
}

qint64 area(const QRect& r)
{
    return r.isValid() ? qint64(r.width()) * r.height() : 0;
}

} // namespace

QRect placeBeside(const QRect& screen, const QRect& occupied, const QSize& preferred, const QSize& minimum,
    const QMargins& frame, int gap)
{
    const QSize margins(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize wanted = preferred + margins;
    const QSize least = minimum.boundedTo(preferred) + margins;
    constexpr std::array sides { Side::Right, Side::Left, Side::Below, Side::Above };

    QRect best;
    for (const Side side : sides) {
        const QRect room = freeSide(screen, occupied, side, gap);
        const QSize size = wanted.boundedTo(room.size());
        if (size.width() >= least.width() && size.height() >= least.height()
            && area(QRect(QPoint(), size)) > area(best))
            best = frameIn(room, size, occupied, side, true);
    }
    if (best.isNull()) {
        // No side has room: the smallest usable window, at the screen's edge on the side
        // where it hides least.
        const QSize size = least.boundedTo(screen.size());
        qint64 hidden = -1;
        for (const Side side : sides) {
            const QRect candidate = frameIn(screen, size, occupied, side, false);
            const qint64 covered = area(candidate.intersected(occupied));
            if (hidden < 0 || covered < hidden) {
                hidden = covered;
                best = candidate;
            }
        }
    }
    return best.marginsRemoved(frame);
}
