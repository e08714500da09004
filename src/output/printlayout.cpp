#include "output/printlayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QStringLiteral>

#include "catalogue/fontlist.h"
#include "output/sheettext.h"
#include "platform/colorref.h"
#include "platform/printer.h"
#include "platform/uifont.h"
#include "render/rowpainter.h"
#include "render/samplefontcache.h"

namespace {

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);
const char* const kHeaderText = "Font List by Glyphwell";
const char* const kCreditText = "Printed with Glyphwell Viewer";

int Scaled(int pixelsPerInch, double inches) {
    return static_cast<int>(pixelsPerInch * inches);
}

// Halves toward minus infinity, so a text wider than the page starts left of it evenly.
int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

// The height of a line of text in font on device ("Ag" and "Agp" alike: the font's line).
int LineHeight(const QFont& font, const QPaintDevice* device) {
    return QFontMetrics(font, device).height();
}

int TextWidth(const QPainter& painter, const QString& text) {
    return QFontMetrics(painter.font(), painter.device()).horizontalAdvance(text);
}

// Draws text with its top-left corner at (x, y), as the sheet's positions are given.
void TextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + QFontMetrics(painter.font(), painter.device()).ascent(), text);
}

QString ShownFileName(const TFontInfo& record, bool fullPath) {
    const std::string& path = record.FileName();
    const std::size_t slash = path.rfind('/');
    return QString::fromStdString(fullPath || slash == std::string::npos ? path
                                                                         : path.substr(slash + 1));
}

class TSheetPainter {
public:
    TSheetPainter(QPainter& painter, const TFontList& fonts, const TPrintInfo& info,
                  TSampleFontCache& faces)
        : painter_(painter),
          fonts_(fonts),
          info_(info),
          faces_(faces),
          lines_(SampleLines(QString::fromStdString(info.SampleText))) {}

    void DrawPage(int pageIndex) {
        DrawHeader();
        int y = info_.MarginTop;
        for (int i = 0; i < info_.ItemsPerPage; ++i) {
            const int k = info_.ItemsPerPage * pageIndex + i;
            if (k >= fonts_.GetCount()) {
                break;
            }
            DrawItem(fonts_.GetItems(k), k, y);
            y += info_.ItemHeight;
        }
        DrawFooter(pageIndex + 1);
    }

private:
    int HeightOfAg() const { return LineHeight(painter_.font(), painter_.device()); }

    void DrawHeader() {
        const int ppi = info_.PixelsPerInch;
        const int y0 = info_.MarginTop - Scaled(ppi, 0.07);
        QPen pen(kGrey);
        pen.setWidth(info_.ScreenPixelsPerInch > 0 ? ppi / info_.ScreenPixelsPerInch : 1);
        painter_.setPen(pen);
        painter_.drawLine(info_.MarginLeft, y0, info_.PageWidth - info_.MarginRight, y0);

        // The header text takes the title's colour on every page.
        painter_.setFont(platform::UiFont(QStringLiteral("Tahoma"), 9));
        painter_.setPen(ColorFromRef(info_.TitleColor));
        TextAt(painter_, info_.MarginLeft + Scaled(ppi, 0.04), y0 - HeightOfAg() - 8,
               QString::fromLatin1(kHeaderText));

        painter_.setFont(platform::UiFont(QStringLiteral("Tahoma"), 10, true));
        const QString title = QString::fromStdString(info_.Title);
        TextAt(painter_, FloorHalf(info_.PageWidth - TextWidth(painter_, title)),
               y0 - HeightOfAg() - 16, title);

        painter_.setFont(platform::UiFont(QStringLiteral("Tahoma"), 8));
        painter_.setPen(kGrey);
        const QString size = QStringLiteral("Font Size: %1 pt").arg(info_.FontSize);
        TextAt(painter_,
               info_.PageWidth - info_.MarginRight - TextWidth(painter_, size) - Scaled(ppi, 0.04),
               y0 - HeightOfAg() - 8, size);
    }

    void DrawItem(const TFontInfo& record, int k, int y) {
        painter_.setFont(platform::UiFont(QStringLiteral("Tahoma"), 8));
        painter_.setPen(ColorFromRef(info_.NameColor));
        TextAt(painter_, info_.MarginLeft, y + 1,
               QStringLiteral("%1. %2").arg(k + 1).arg(QString::fromStdString(record.FullName())));
        if (info_.PrintFileName && !record.FileName().empty()) {
            const QString file = ShownFileName(record, info_.ShowFullPath);
            painter_.setPen(kGrey);
            TextAt(painter_, info_.PageWidth - info_.MarginRight - TextWidth(painter_, file) - 4,
                   y + 1, file);
        }
        DrawSamples(record, y);
    }

    // The sample lines share the item's room below the name line evenly, each in one slot.
    void DrawSamples(const TFontInfo& record, int y) {
        const int lineCount = std::min<int>(info_.LineCount, static_cast<int>(lines_.size()));
        if (lineCount <= 0) {
            return;
        }
        const int ppi = info_.PixelsPerInch;
        const int slot =
            static_cast<int>((info_.ItemHeight - info_.NameHeight - ppi * 0.041) / info_.LineCount);
        const SampleFace& face = faces_.Plain(record.FullName(), info_.FontSize, 0);
        painter_.setFont(face.font);
        painter_.setPen(ColorFromRef(info_.TextColor));
        const int left = info_.MarginLeft + Scaled(ppi, 0.1);
        for (int j = 0; j < lineCount; ++j) {
            const int top = static_cast<int>(info_.NameHeight + y + ppi * 0.031 + slot * j);
            const QRect box(left, top, info_.PageWidth - info_.MarginRight - left, slot);
            painter_.save();
            painter_.setClipRect(box);
            painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                              lines_.at(j));
            painter_.restore();
        }
    }

    void DrawFooter(int pageNumber) {
        const int yF = info_.PageHeight - info_.MarginBottom + Scaled(info_.PixelsPerInch, 0.13);
        painter_.setFont(platform::UiFont(QStringLiteral("Verdana"), 8));
        painter_.setPen(kSilver);
        TextAt(painter_, info_.MarginLeft, yF, QString::fromLatin1(kCreditText));
        painter_.setPen(kGrey);
        const QString pages = QStringLiteral("%1 of %2 pages").arg(pageNumber).arg(info_.PageCount);
        TextAt(painter_, FloorHalf(info_.PageWidth - TextWidth(painter_, pages)), yF, pages);
    }

    QPainter& painter_;
    const TFontList& fonts_;
    const TPrintInfo& info_;
    TSampleFontCache& faces_;
    QStringList lines_;
};

}  // namespace

void CalcPrintLayout(QPaintDevice& canvas, const TFontList& fonts, TPrintInfo& info) {
    info.NameHeight = LineHeight(platform::UiFont(QStringLiteral("Tahoma"), 8), &canvas);
    if (info.TextHeight == 0) {
        info.TextHeight =
            LineHeight(platform::UiFont(QStringLiteral("Tahoma"), info.FontSize), &canvas);
    }
    const int gap = Scaled(info.PixelsPerInch, 0.061);
    info.ItemHeight = info.NameHeight + gap + (info.TextHeight + gap) * info.LineCount;
    const int room = info.PageHeight - info.MarginTop - info.MarginBottom;
    info.ItemsPerPage = info.ItemHeight > 0 ? room / info.ItemHeight : 0;
    info.PageCount =
        info.ItemsPerPage > 0 ? (fonts.GetCount() + info.ItemsPerPage - 1) / info.ItemsPerPage : 0;
}

std::vector<int> SelectedPages(const TPrintInfo& info) {
    std::vector<int> pages;
    for (int n = 1; n <= info.PageCount; ++n) {
        const bool filtered =
            (info.PageFilter == 1 && n % 2 == 0) || (info.PageFilter == 2 && n % 2 != 0);
        const bool outside = info.FromPage != -1 && (n < info.FromPage || n > info.ToPage);
        if (!filtered && !outside) {
            pages.push_back(n);
        }
    }
    return pages;
}

void DrawPrintPages(QPainter& painter, const TFontList& fonts, const TPrintInfo& info,
                    TSampleFontCache& faces) {
    TSheetPainter sheet(painter, fonts, info, faces);
    bool first = true;
    for (const int page : SelectedPages(info)) {
        if (!first && info.Printer != nullptr) {
            info.Printer->NewPage();
        }
        first = false;
        sheet.DrawPage(page - 1);
    }
}
