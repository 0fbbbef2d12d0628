// Draws the six floor pictures into the given folder as BMP files.
// Usage: make_pictures <folder>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "../src/building/Signs.h"

namespace {

constexpr int W = 404, H = 384;

void room(QPainter& p, QColor wall, QColor floor) {
    QLinearGradient g(0, 0, 0, H * 0.68);
    g.setColorAt(0, wall.lighter(112));
    g.setColorAt(1, wall);
    p.fillRect(0, 0, W, int(H * 0.68), g);
    QLinearGradient f(0, H * 0.68, 0, H);
    f.setColorAt(0, floor);
    f.setColorAt(1, floor.darker(130));
    p.fillRect(0, int(H * 0.68), W, H, f);
    p.setPen(QPen(floor.darker(150), 3));
    p.drawLine(0, int(H * 0.68), W, int(H * 0.68));
}

void window(QPainter& p, QRect r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(1, QColor(200, 230, 255));
    p.fillRect(r, sky);
    p.setBrush(QColor(150, 160, 175));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {  // the town outside
        const int bw = r.width() / 5, bh = r.height() / 3 + (i * 17) % (r.height() / 3);
        p.drawRect(r.left() + 6 + i * (bw + 4), r.bottom() - bh, bw, bh);
    }
    p.setPen(QPen(QColor(245, 245, 245), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.drawLine(r.center().x(), r.top(), r.center().x(), r.bottom());
}

// Each picture is drawn twice: with the game's own words (hotel.bmp) and
// with the English ones (hotel.en.bmp), which the English game shows.
bool english = false;
QString word(const char16_t* japanese, const char* inEnglish) {
    return english ? QString::fromLatin1(inEnglish) : QString::fromUtf16(japanese);
}

// The floor's sign, as 外観 draws it too: its word on its plate.
void caption(QPainter& p, const building::Sign& sign, int alpha) {
    const QString text = word(sign.word, sign.english);
    QColor bg = QColor::fromRgb(sign.rgb);
    bg.setAlpha(alpha);
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(26);
    f.setBold(true);
    const QRect box(W - 150, 12, 138, 40);
    // A longer English word gets a smaller type rather than leaving its box.
    while (english && f.pixelSize() > 12 && QFontMetrics(f).horizontalAdvance(text) > box.width() - 12)
        f.setPixelSize(f.pixelSize() - 1);
    p.setFont(f);
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(box, 8, 8);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text);
}

QImage rooftop() {
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, QColor(70, 140, 230));
    sky.setColorAt(1, QColor(190, 225, 255));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (auto [x, y] : {std::pair{60, 70}, {250, 50}, {330, 110}}) {
        p.drawEllipse(QPoint(x, y), 40, 16);
        p.drawEllipse(QPoint(x + 25, y - 8), 28, 16);
    }
    p.setBrush(QColor(255, 230, 120));
    p.drawEllipse(QPoint(70, 170), 0, 0);
    // Roof deck
    p.setBrush(QColor(120, 125, 130));
    p.drawRect(0, int(H * 0.72), W, H);
    p.setBrush(QColor(95, 100, 105));
    for (int x = 0; x < W; x += 40) p.drawRect(x, int(H * 0.72), 2, H);
    // Water tank and antenna
    p.setBrush(QColor(200, 205, 210));
    p.drawRect(250, 170, 90, 90);
    p.setBrush(QColor(170, 175, 180));
    p.drawEllipse(QRect(250, 155, 90, 30));
    p.setPen(QPen(QColor(90, 90, 90), 5));
    p.drawLine(265, 260, 265, 278);
    p.drawLine(325, 260, 325, 278);
    p.drawLine(90, 278, 90, 120);
    p.drawLine(70, 150, 110, 150);
    p.drawLine(76, 135, 104, 135);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::red);
    p.drawEllipse(QPoint(90, 116), 6, 6);
    // Railing
    p.setPen(QPen(QColor(230, 230, 230), 4));
    p.drawLine(0, int(H * 0.72) - 30, W, int(H * 0.72) - 30);
    for (int x = 10; x < W; x += 28) p.drawLine(x, int(H * 0.72) - 30, x, int(H * 0.72));
    caption(p, building::kRoofSign, 220);
    return img;
}

QImage lobby() {
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    room(p, QColor(235, 225, 205), QColor(200, 190, 175));
    p.setPen(QPen(QColor(170, 160, 145), 1));
    for (int x = -W; x < 2 * W; x += 40) p.drawLine(x, H, x + (W / 2 - x) / 3, int(H * 0.68));
    // Elevator doors
    for (int i = 0; i < 2; ++i) {
        const QRect d(30 + i * 90, 80, 70, 182);
        p.setPen(QPen(QColor(120, 120, 125), 4));
        p.setBrush(QColor(190, 195, 200));
        p.drawRect(d);
        p.drawLine(d.center().x(), d.top(), d.center().x(), d.bottom());
        p.setBrush(QColor(255, 200, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint(d.center().x(), 66), 5, 5);
    }
    // Reception desk
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 90, 50));
    p.drawRoundedRect(QRect(220, 200, 160, 80), 6, 6);
    p.setBrush(QColor(170, 115, 70));
    p.drawRect(QRect(214, 192, 172, 14));
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 235, 200));
    p.drawText(QRect(220, 210, 160, 60), Qt::AlignCenter, word(u"受付", "Reception"));
    // Plant
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 80, 40));
    p.drawRect(QRect(190, 250, 22, 30));
    p.setBrush(QColor(50, 140, 60));
    for (auto [x, y] : {std::pair{201, 230}, {188, 240}, {214, 240}, {201, 215}})
        p.drawEllipse(QPoint(x, y), 14, 18);
    caption(p, building::kLobbySign, 230);
    return img;
}

QImage empty() {
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    room(p, QColor(215, 215, 210), QColor(165, 165, 160));
    window(p, QRect(40, 60, 140, 120));
    window(p, QRect(220, 60, 140, 120));
    p.setPen(QPen(QColor(140, 140, 135), 2, Qt::DashLine));
    for (int x = 20; x < W; x += 60) p.drawLine(x, int(H * 0.68) + 10, x - 30, H);
    // A few boxes left by the builders
    p.setPen(QPen(QColor(150, 110, 60), 2));
    p.setBrush(QColor(205, 160, 100));
    p.drawRect(QRect(60, 240, 60, 44));
    p.drawRect(QRect(100, 214, 44, 30));
    caption(p, building::kTenantSigns[0], 230);
    return img;
}

QImage hotel() {
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    room(p, QColor(245, 230, 200), QColor(150, 40, 50));
    window(p, QRect(40, 50, 130, 110));
    // Curtains
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 60, 70));
    p.drawRect(28, 40, 22, 140);
    p.drawRect(160, 40, 22, 140);
    // Bed
    p.setBrush(QColor(110, 70, 40));
    p.drawRoundedRect(QRect(200, 150, 170, 70), 8, 8);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRect(200, 200, 190, 60), 10, 10);
    p.setBrush(QColor(240, 240, 250));
    p.drawRoundedRect(QRect(215, 185, 60, 26), 10, 10);
    p.drawRoundedRect(QRect(290, 185, 60, 26), 10, 10);
    p.setBrush(QColor(60, 90, 160));
    p.drawRoundedRect(QRect(200, 222, 190, 58), 8, 8);
    // Lamp
    p.setBrush(QColor(255, 220, 140));
    QPainterPath shade;
    shade.moveTo(40, 210);
    shade.lineTo(80, 210);
    shade.lineTo(70, 185);
    shade.lineTo(50, 185);
    shade.closeSubpath();
    p.drawPath(shade);
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(57, 210, 6, 40);
    p.drawRect(30, 250, 60, 10);
    caption(p, building::kTenantSigns[1], 230);
    return img;
}

QImage restaurant() {
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    room(p, QColor(250, 215, 160), QColor(140, 95, 60));
    // Counter with lamps
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 70, 40));
    p.drawRect(0, 150, W, 30);
    for (int x = 50; x < W; x += 100) {
        p.setBrush(QColor(60, 60, 60));
        p.drawRect(x - 1, 0, 2, 60);
        p.setBrush(QColor(255, 200, 90));
        p.drawPie(QRect(x - 22, 50, 44, 36), 0, 180 * 16);
    }
    // Tables with plates
    for (int i = 0; i < 3; ++i) {
        const int cx = 70 + i * 130;
        p.setBrush(QColor(100, 60, 30));
        p.drawRect(cx - 4, 240, 8, 50);
        p.setBrush(Qt::white);
        p.drawEllipse(QPoint(cx, 236), 50, 14);
        p.setBrush(QColor(240, 240, 240));
        p.drawEllipse(QPoint(cx - 18, 232), 11, 5);
        p.drawEllipse(QPoint(cx + 18, 232), 11, 5);
        p.setBrush(QColor(200, 40, 40));
        p.drawRoundedRect(QRect(cx - 66, 230, 14, 54), 4, 4);
        p.drawRoundedRect(QRect(cx + 52, 230, 14, 54), 4, 4);
    }
    caption(p, building::kTenantSigns[2], 230);
    return img;
}

QImage office() {
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    room(p, QColor(225, 232, 240), QColor(110, 120, 135));
    window(p, QRect(30, 40, 200, 100));
    // Bookshelf
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 60));
    p.drawRect(270, 60, 110, 200);
    const QColor spines[] = {QColor(200, 60, 60), QColor(60, 110, 200), QColor(230, 190, 60),
                             QColor(80, 160, 90)};
    for (int shelf = 0; shelf < 4; ++shelf)
        for (int b = 0; b < 7; ++b) {
            p.setBrush(spines[(shelf + b) % 4]);
            p.drawRect(278 + b * 14, 68 + shelf * 48, 11, 40);
        }
    // Desks with screens
    for (int i = 0; i < 2; ++i) {
        const int x = 30 + i * 120;
        p.setBrush(QColor(190, 160, 120));
        p.drawRect(x, 220, 100, 12);
        p.setBrush(QColor(120, 100, 80));
        p.drawRect(x + 6, 232, 8, 50);
        p.drawRect(x + 86, 232, 8, 50);
        p.setBrush(QColor(40, 40, 45));
        p.drawRoundedRect(QRect(x + 22, 168, 56, 40), 3, 3);
        p.setBrush(QColor(90, 170, 230));
        p.drawRect(QRect(x + 26, 172, 48, 30));
        p.setBrush(QColor(40, 40, 45));
        p.drawRect(x + 46, 208, 8, 12);
        p.setBrush(QColor(50, 60, 80));
        p.drawRoundedRect(QRect(x + 30, 240, 40, 44), 8, 8);
    }
    caption(p, building::kTenantSigns[3], 230);
    return img;
}

}  // namespace

// The game's icon: a lit tower against an evening sky, drawn on a 256 grid
// and scaled, so every size is drawn afresh rather than shrunk.
QImage icon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient sky(0, 0, 0, 256);
    sky.setColorAt(0, QColor(40, 70, 150));
    sky.setColorAt(1, QColor(250, 160, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setBrush(QColor(60, 70, 90));
    p.drawRect(QRectF(30, 150, 40, 90));   // the town around it
    p.drawRect(QRectF(186, 130, 44, 110));
    QLinearGradient tower(80, 0, 176, 0);
    tower.setColorAt(0, QColor(90, 100, 120));
    tower.setColorAt(1, QColor(50, 58, 75));
    p.setBrush(tower);
    p.drawRect(QRectF(80, 46, 96, 194));
    p.setBrush(QColor(220, 40, 40));
    p.drawRect(QRectF(124, 22, 8, 26));    // the antenna of the rooftop
    const bool fine = size >= 32;
    for (int row = 0; row < (fine ? 8 : 4); ++row)
        for (int col = 0; col < 3; ++col) {
            const bool lit = (row * 3 + col) % 4 != 1;
            p.setBrush(lit ? QColor(255, 220, 110) : QColor(30, 36, 50));
            const double h = fine ? 14 : 30, gap = fine ? 22 : 44;
            p.drawRect(QRectF(92 + col * 26, 60 + row * gap, 18, h));
        }
    return img;
}

// The picture in 256 colours of its own, found by median cut: a third of the
// bytes of full colour (the installed game keeps a dozen of them), and the
// eye cannot tell the two apart. Each box of colours is split at the
// weighted median of its widest channel until there are 256 boxes; each
// colour of the palette is its box's weighted mean.
QImage inOwnPalette(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) ++counts[rgb.pixel(x, y)];
    struct Colour {
        QRgb rgb;
        qint64 n;
    };
    std::vector<Colour> colours;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) colours.push_back({it.key(), it.value()});
    // The hash's order changes from run to run; the palette must not.
    std::sort(colours.begin(), colours.end(), [](const Colour& a, const Colour& c) { return a.rgb < c.rgb; });
    const auto channel = [](QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); };
    struct Box {
        size_t from, to;
    };
    std::vector<Box> boxes{{0, colours.size()}};
    while (boxes.size() < 256) {
        size_t widest = boxes.size();
        int widestRange = 0, widestChannel = 0;
        for (size_t b = 0; b < boxes.size(); ++b)
            for (int k = 0; k < 3; ++k) {
                const auto [lo, hi] = std::minmax_element(
                    colours.begin() + boxes[b].from, colours.begin() + boxes[b].to,
                    [&](const Colour& a, const Colour& c) { return channel(a.rgb, k) < channel(c.rgb, k); });
                const int range = channel(hi->rgb, k) - channel(lo->rgb, k);
                if (range > widestRange) widest = b, widestRange = range, widestChannel = k;
            }
        if (widest == boxes.size()) break;  // every box holds one colour
        const Box box = boxes[widest];
        std::sort(colours.begin() + box.from, colours.begin() + box.to, [&](const Colour& a, const Colour& c) {
            return channel(a.rgb, widestChannel) < channel(c.rgb, widestChannel);
        });
        qint64 total = 0, below = 0;
        for (size_t i = box.from; i < box.to; ++i) total += colours[i].n;
        size_t cut = box.from;
        while (cut < box.to && 2 * (below + colours[cut].n) <= total) below += colours[cut++].n;
        cut = std::clamp(cut, box.from + 1, box.to - 1);
        boxes[widest] = {box.from, cut};
        boxes.push_back({cut, box.to});
    }
    QList<QRgb> palette;
    for (const Box& box : boxes) {
        qint64 n = 0, r = 0, g = 0, b = 0;
        for (size_t i = box.from; i < box.to; ++i) {
            const Colour& c = colours[i];
            n += c.n, r += qRed(c.rgb) * c.n, g += qGreen(c.rgb) * c.n, b += qBlue(c.rgb) * c.n;
        }
        palette << qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n));
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_pictures <folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (bool inEnglish : {false, true}) {
        english = inEnglish;
        const std::pair<const char*, QImage> pictures[] = {
            {"oku", rooftop()},   {"robey", lobby()},           {"mu", empty()},
            {"hotel", hotel()},   {"restaurant", restaurant()}, {"office", office()}};
        for (const auto& [name, image] : pictures) {
            const QString file = dir + u'/' + QString::fromLatin1(name) +
                                 (english ? QStringLiteral(".en.bmp") : QStringLiteral(".bmp"));
            if (!inOwnPalette(image).save(file, "BMP")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    if (!QDir(dir).mkpath(QStringLiteral("icons"))) return 1;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = dir + QStringLiteral("/icons/rumie-%1.png").arg(size);
        if (!icon(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
