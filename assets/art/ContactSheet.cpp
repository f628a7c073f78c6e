#include "ContactSheet.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <iterator>

#include "PictureLayout.h"

namespace loopsim::assets {
namespace {

constexpr int kColumns = 4;
constexpr int kCellWidth = 480;
constexpr int kCellHeight = 440;
constexpr int kLabelHeight = 40;
constexpr int kGap = 16;

}  // namespace

QImage contactSheet(const std::filesystem::path& pictureFolder,
                    const std::vector<std::string>& only) {
    std::vector<PictureSize> shown;
    std::copy_if(kPictureSizes.begin(), kPictureSizes.end(), std::back_inserter(shown),
                 [&only](const PictureSize& size) {
                     return only.empty() ||
                            std::find(only.begin(), only.end(), size.fileName) != only.end();
                 });
    const int count = static_cast<int>(shown.size());
    const int columns = std::clamp(count, 1, kColumns);
    const int rows = (count + columns - 1) / columns;
    QImage sheet(columns * (kCellWidth + kGap) + kGap, rows * (kCellHeight + kGap) + kGap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x30, 0x34, 0x3a));
    QPainter painter(&sheet);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    painter.setFont(font);
    for (int i = 0; i < count; ++i) {
        const PictureSize& size = shown[static_cast<std::size_t>(i)];
        const QRect cell(kGap + (i % columns) * (kCellWidth + kGap),
                         kGap + (i / columns) * (kCellHeight + kGap), kCellWidth, kCellHeight);
        const QImage picture(QString::fromStdString((pictureFolder / size.fileName).string()));
        QString label =
            QString::fromUtf8(size.fileName.data(), static_cast<qsizetype>(size.fileName.size()));
        if (picture.isNull()) {
            label += QStringLiteral("  (missing)");
        } else {
            label += QStringLiteral("  %1x%2").arg(picture.width()).arg(picture.height());
            const QSize room(cell.width(), cell.height() - kLabelHeight);
            // Small pictures are enlarged so their detail can be judged.
            const QSize fitted = picture.size().scaled(room, Qt::KeepAspectRatio);
            const QRect target(cell.left() + (cell.width() - fitted.width()) / 2,
                               cell.top() + (room.height() - fitted.height()) / 2, fitted.width(),
                               fitted.height());
            painter.drawImage(target, picture);
        }
        painter.setPen(QColor(0xE0, 0xE4, 0xE8));
        painter.drawText(
            QRect(cell.left(), cell.bottom() - kLabelHeight, cell.width(), kLabelHeight),
            Qt::AlignCenter, label);
    }
    painter.end();
    return sheet;
}

}  // namespace loopsim::assets
