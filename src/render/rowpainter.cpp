#include "render/rowpainter.h"

#include <QLocale>
#include <QStringLiteral>
#include <algorithm>
#include <cmath>

#include "fileops/paths.h"
#include "platform/colorref.h"
#include "platform/uifont.h"
#include "render/ownsample.h"
#include "render/shadecolor.h"

namespace {

constexpr double kBandDelta[] = {-0.06, -0.18, -0.25};  // other rows, focused, focused+active
constexpr double kShadowDelta = -0.009;
constexpr double kInfoDelta = -0.7;
constexpr int kTextFlags = Qt::AlignVCenter | Qt::TextSingleLine;
// Where the name starts, and the least room kept between its end and the file information.
constexpr int kNameLeft = 8;
constexpr int kInfoGap = 12;

// Buffers match the screen's pixel density, so bands and plain text stay sharp on
// high-density screens; they are reused while the size stays the same.
void EnsureBuffer(QImage& buffer, QSize size, qreal ratio) {
    if (buffer.devicePixelRatio() == ratio && buffer.deviceIndependentSize() == QSizeF(size)) {
        return;
    }
    buffer = QImage(size * ratio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(ratio);
}

}  // namespace

QString FileInfoText(const TFontInfo& record, bool fullPath) {
    const std::string& path = record.FileName();
    const std::string shown = fullPath ? path : ExtractFileName(path);
    const qint64 kilobytes = record.FileSize() / 1024;
    return QStringLiteral("%1 (%2 KB)")
        .arg(QString::fromUtf8(shown), QLocale().toString(kilobytes));
}

TRowPainter::TRowPainter(TSampleFontCache& fonts, const platform::Services& services)
    : fonts_(fonts),
      services_(services),
      nameFont_(platform::UiFont(QStringLiteral("Tahoma"), 8, true)),
      nameMetrics_(nameFont_),
      infoFont_(platform::UiFont(QStringLiteral("MS Sans Serif"), 8)) {}

void TRowPainter::Begin(const RowPaintSettings& settings) {
    settings_ = settings;
    for (int kind = 0; kind < kBandKinds; ++kind) {
        auto& shades = bandShades_[kind];
        shades[0] = ShadeColor(settings.color, kBandDelta[kind]);
        for (int line = 1; line <= kShadowLines; ++line) {
            shades[line] = ShadeColor(shades[line - 1], kShadowDelta);
        }
    }
}

void TRowPainter::ForgetRendered() {
    supersampler_.Clear();
}

void TRowPainter::Draw(QPainter& painter, const TFontInfo& record, int y, bool focused,
                       bool erase) {
    if (erase) {
        painter.fillRect(0, y, settings_.width, settings_.itemHeight,
                         ColorFromRef(settings_.color));
    }
    const BandKind kind = !focused ? kPlainBand : (settings_.hasFocus ? kActiveBand : kFocusedBand);
    DrawBand(painter, y, kind);
    DrawName(painter, record, y, focused);
    DrawFileInfo(painter, record, y, focused);
    const QString text = settings_.ownSample
                             ? OwnSampleText(RecordCoverage(record, services_), settings_.text)
                             : settings_.text;
    if (settings_.antiAlias) {
        DrawSmoothSample(painter, record, y, text);
    } else {
        DrawPlainSample(painter, record, y, text);
    }
}

void TRowPainter::PaintAll(QPainter& target, QSize client, const TFontList& items, int first,
                           int last, int focused) {
    EnsureBuffer(frame_, client, target.device()->devicePixelRatioF());
    frame_.fill(ColorFromRef(settings_.color));
    QPainter buffer(&frame_);
    for (int index = first; index < last; ++index) {
        Draw(buffer, items.GetItems(index), (index - first) * settings_.itemHeight,
             index == focused, false);
    }
    buffer.end();
    target.drawImage(0, 0, frame_);
}

void TRowPainter::PaintRows(QPainter& target, QSize client, const QRegion& region,
                            const TFontList& items, int first, int last, int focused) {
    const int height = settings_.itemHeight;
    EnsureBuffer(rowImage_, QSize(client.width(), height), target.device()->devicePixelRatioF());
    for (int index = first; index < last; ++index) {
        const int y = (index - first) * height;
        if (!region.intersects(QRect(0, y, client.width(), height))) {
            continue;
        }
        QPainter buffer(&rowImage_);
        Draw(buffer, items.GetItems(index), 0, index == focused, true);
        buffer.end();
        target.drawImage(0, y, rowImage_);
    }
    const int below = (last - first) * height;
    if (below < client.height()) {
        target.setClipRegion(region);
        target.fillRect(0, below, client.width(), client.height() - below,
                        ColorFromRef(settings_.color));
    }
}

void TRowPainter::DrawBand(QPainter& painter, int y, BandKind kind) const {
    const auto& shades = bandShades_[kind];
    const int bandWidth = settings_.width - 2;
    const int shadowTop = settings_.headerHeight - kShadowLines;
    painter.fillRect(0, y, bandWidth, shadowTop, ColorFromRef(shades[0]));
    for (int line = 0; line < kShadowLines; ++line) {
        painter.fillRect(0, y + shadowTop + line, bandWidth, 1, ColorFromRef(shades[line + 1]));
    }
    // The separator above the band repeats the darkest shadow line, closing off the row above.
    painter.fillRect(0, y, bandWidth, 1, ColorFromRef(shades[kShadowLines]));
}

void TRowPainter::DrawName(QPainter& painter, const TFontInfo& record, int y, bool focused) const {
    std::uint32_t color = settings_.nameColor;
    if (record.Selected()) {
        color = settings_.selColor;
    } else if (focused) {
        color = settings_.color;
    }
    painter.setFont(nameFont_);
    painter.setPen(ColorFromRef(color));
    const QRect box(kNameLeft, y + 1, settings_.width - 1 - kNameLeft, settings_.headerHeight - 1);
    painter.drawText(box, kTextFlags | Qt::AlignLeft, QString::fromUtf8(record.FullName()));
}

void TRowPainter::DrawFileInfo(QPainter& painter, const TFontInfo& record, int y,
                               bool focused) const {
    if (!settings_.showFileInfo || record.FileName().empty()) {
        return;
    }
    painter.setFont(infoFont_);
    // In a narrow window the information gives way to the name: it loses its middle (the
    // start of the folder and the file name with its size stay) instead of covering the name.
    const int nameRight =
        kNameLeft + nameMetrics_.horizontalAdvance(QString::fromUtf8(record.FullName()));
    const int room = settings_.width - 10 - nameRight - kInfoGap;
    const QFontMetrics metrics = painter.fontMetrics();
    QString text = FileInfoText(record, settings_.showFullPath);
    int width = metrics.horizontalAdvance(text);
    if (width > room) {
        text = metrics.elidedText(text, Qt::ElideMiddle, std::max(room, 0));
        if (text.isEmpty()) {
            return;
        }
        width = metrics.horizontalAdvance(text);
    }
    painter.setPen(
        ColorFromRef(focused ? settings_.color : ShadeColor(settings_.color, kInfoDelta)));
    const int left = settings_.width - width - 10;
    const QRect box(left, y + 1, settings_.width - 1 - left, settings_.headerHeight - 1);
    painter.drawText(box, kTextFlags | Qt::AlignLeft, text);
}

QRect TRowPainter::SampleArea(int y) const {
    return QRect(10, y + settings_.headerHeight, settings_.width - 2 - 10,
                 settings_.itemHeight - 4 - settings_.headerHeight);
}

void TRowPainter::DrawPlainSample(QPainter& painter, const TFontInfo& record, int y,
                                  const QString& text) {
    const SampleFace& face =
        fonts_.Plain(record.FullName(), settings_.fontSize, settings_.fontStyle);
    const QRect box = SampleArea(y);
    painter.save();
    painter.setClipRect(box);
    painter.setFont(face.font);
    painter.setPen(ColorFromRef(settings_.textColor));
    painter.drawText(box, kTextFlags | Qt::AlignLeft, text);
    painter.restore();
}

void TRowPainter::DrawSmoothSample(QPainter& painter, const TFontInfo& record, int y,
                                   const QString& text) {
    SampleFace& face = fonts_.Scaled(record.FullName(), settings_.fontSize, settings_.fontStyle,
                                     TSupersampledText::kScale);
    if (face.height <= 0) {
        return;
    }
    const int top = y + settings_.headerHeight +
                    (settings_.itemHeight - settings_.headerHeight - face.height - 4) / 2;
    // The picture keeps to the sample area as the plain sample does, so a face whose line is
    // taller than the row leaves its name band and the rows around it alone; only that part
    // is rendered, and the part cut off depends on the face alone, so its rendering is reused
    // wherever the row sits.
    const QRect box = SampleArea(y);
    QRect shown = box & QRect(box.left(), top, box.width(), face.height);
    // A broken face can claim a line hundreds of thousands of pixels high (vertical metrics
    // at the limits of their fields), and when it stands in for the control's own font the
    // rows are that high too; no bitmap of that size survives, so only the part that lands on
    // the paint device is rendered then.
    const QPaintDevice* device = painter.device();
    const int deviceHeight =
        static_cast<int>(std::ceil(device->height() / device->devicePixelRatioF()));
    if (shown.height() > deviceHeight) {
        shown &= QRect(0, 0, settings_.width, deviceHeight);
    }
    if (shown.isEmpty()) {
        return;
    }
    if (smoothRow_.size() != shown.size()) {
        smoothRow_ = QImage(shown.size(), QImage::Format_RGB32);
    }
    smoothRow_.fill(ColorFromRef(settings_.color));
    const int skipped = shown.top() - top;
    const TSupersampledText::LargeFace large{face.key,
                                             face.font,
                                             face.ascent - skipped * TSupersampledText::kScale,
                                             TSampleFontCache::Width(face, text + QLatin1Char(' ')),
                                             face.boldStrength,
                                             face.boldAdvance};
    supersampler_.Render(smoothRow_, 0, large, text, settings_.textColor);
    painter.drawImage(shown.topLeft(), smoothRow_);
}
