#include <QPainter>
#include <algorithm>

#include "art/fonts.h"
#include "art_names.h"
#include "library.h"

namespace velmora::rgfgen {

namespace {

constexpr int kSheetWidth = 1800;
constexpr int kGap = 8;
constexpr int kLabelHeight = 14;

struct Tile {
    QString label;
    QImage image;
    QPoint hotspot;
    bool cursor = false;
    QRect cell;
};

std::vector<Tile> Tiles(const std::vector<rgf::Entry>& entries, const QFontMetrics& metrics) {
    std::vector<Tile> tiles;
    for (const rgf::Entry& entry : entries) {
        if (entry.kind == rgf::Kind::Wave) {
            continue;
        }
        Tile tile;
        tile.label = QString::fromStdString(entry.name);
        tile.image =
            QImage::fromData(entry.payload.data(), static_cast<int>(entry.payload.size()));
        tile.cursor = entry.kind == rgf::Kind::Cursor;
        tile.hotspot = QPoint(entry.hotspot_x, entry.hotspot_y);
        const int width = std::max(tile.image.width(), metrics.horizontalAdvance(tile.label));
        tile.cell = QRect(0, 0, width, tile.image.height() + kLabelHeight);
        tiles.push_back(std::move(tile));
    }
    return tiles;
}

// Places the cells left to right in rows; returns the sheet height.
int Flow(std::vector<Tile>& tiles) {
    int x = kGap;
    int y = kGap;
    int row_height = 0;
    for (Tile& tile : tiles) {
        if (x + tile.cell.width() + kGap > kSheetWidth && x > kGap) {
            x = kGap;
            y += row_height + kGap;
            row_height = 0;
        }
        tile.cell.moveTo(x, y);
        x += tile.cell.width() + kGap;
        row_height = std::max(row_height, tile.cell.height());
    }
    return y + row_height + kGap;
}

void DrawTile(QPainter& p, const Tile& tile) {
    const QPoint at = tile.cell.topLeft();
    p.drawImage(at, tile.image);
    if (tile.cursor) {
        p.setPen(QColor(255, 0, 0));
        const QPoint h = at + tile.hotspot;
        p.drawLine(h - QPoint(3, 0), h + QPoint(3, 0));
        p.drawLine(h - QPoint(0, 3), h + QPoint(0, 3));
    }
    p.setPen(QColor(250, 250, 250));
    p.drawText(QPoint(at.x(), at.y() + tile.image.height() + kLabelHeight - 3), tile.label);
}

}  // namespace

QImage ContactSheet(const std::vector<rgf::Entry>& entries) {
    const QFont font = MakeFont(Face::Sans, 10);
    std::vector<Tile> tiles = Tiles(entries, QFontMetrics(font));
    const int height = Flow(tiles);
    QImage sheet(kSheetWidth, height, QImage::Format_RGB32);
    sheet.fill(QColor(70, 90, 80));
    QPainter p(&sheet);
    p.setFont(font);
    for (const Tile& tile : tiles) {
        DrawTile(p, tile);
    }
    return sheet;
}

}  // namespace velmora::rgfgen
