#include "controls/glyphwellstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <utility>

#include "controls/menuimagelist.h"
#include "controls/menupainter.h"
#include "controls/shading.h"

namespace {

const QColor kMenuBack(255, 255, 255);
const QColor kMenuFrame(152, 152, 152);
const QColor kStrip(47, 126, 227);

constexpr int kMenuFrameWidth = 1;
constexpr int kMenuVerticalMargin = 2;
constexpr int kStripWidth = 4;
constexpr int kSeparatorInset = 4;
constexpr double kSeparatorShade = 0.25;

QColor Face(const QStyleOption* option) {
    return option->palette.color(QPalette::Button);
}

void SetAll(QPalette& palette, QPalette::ColorRole role, const QColor& color) {
    palette.setColor(QPalette::All, role, color);
}

}  // namespace

TGlyphwellStyle::TGlyphwellStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))),
      menuImages_(QString::fromLatin1(kMenuImagesResource), QSize(16, 16)) {}

QPalette GlyphwellPalette() {
    const QColor face(240, 240, 240);
    const QColor ink(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor gray(109, 109, 109);
    QPalette palette;
    SetAll(palette, QPalette::Window, face);
    SetAll(palette, QPalette::Button, face);
    SetAll(palette, QPalette::WindowText, ink);
    SetAll(palette, QPalette::ButtonText, ink);
    SetAll(palette, QPalette::Text, ink);
    SetAll(palette, QPalette::Base, white);
    SetAll(palette, QPalette::AlternateBase, QColor(246, 246, 246));
    SetAll(palette, QPalette::ToolTipBase, QColor(255, 255, 225));
    SetAll(palette, QPalette::ToolTipText, ink);
    SetAll(palette, QPalette::PlaceholderText, gray);
    SetAll(palette, QPalette::BrightText, white);
    SetAll(palette, QPalette::Light, white);
    SetAll(palette, QPalette::Midlight, QColor(227, 227, 227));
    SetAll(palette, QPalette::Mid, QColor(180, 180, 180));
    SetAll(palette, QPalette::Dark, QColor(160, 160, 160));
    SetAll(palette, QPalette::Shadow, QColor(105, 105, 105));
    SetAll(palette, QPalette::Highlight, QColor(20, 102, 204));
    SetAll(palette, QPalette::HighlightedText, white);
    SetAll(palette, QPalette::Link, QColor(0, 0, 255));
    SetAll(palette, QPalette::LinkVisited, QColor(128, 0, 128));
    SetAll(palette, QPalette::NoRole, face);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Disabled, role, gray);
    }
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return palette;
}

QColor GrayText(const QPalette& palette) {
    return palette.color(QPalette::Disabled, QPalette::WindowText);
}

void InstallGlyphwellLook(QApplication& application) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    application.setStyle(new TGlyphwellStyle);
    application.setPalette(GlyphwellPalette());
}

QPalette TGlyphwellStyle::standardPalette() const {
    return GlyphwellPalette();
}

bool TGlyphwellStyle::ShowsMnemonics(const QStyleOption* option, const QWidget* widget) const {
    return proxy()->styleHint(SH_UnderlineShortcut, option, widget) != 0;
}

void TGlyphwellStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case CE_MenuItem:
            DrawMenuItem(option, painter, widget);
            return;
        case CE_MenuEmptyArea:
            DrawMenuMargins(option, painter);
            return;
        case CE_MenuBarItem:
            DrawMenuBarItem(option, painter, widget);
            return;
        case CE_MenuBarEmptyArea:
            painter->fillRect(option->rect, Face(option));
            return;
        case CE_ToolBar:
            PaintGradient(*painter, option->rect, Face(option));
            return;
        default:
            QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void TGlyphwellStyle::DrawMenuItem(const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr || item->menuItemType == QStyleOptionMenuItem::Scroller ||
        item->menuItemType == QStyleOptionMenuItem::TearOff) {
        QProxyStyle::drawControl(CE_MenuItem, option, painter, widget);
        return;
    }
    if (item->menuItemType == QStyleOptionMenuItem::EmptyArea ||
        item->menuItemType == QStyleOptionMenuItem::Margin) {
        DrawMenuMargins(option, painter);
        return;
    }
    TMenuItemLook look;
    look.caption = item->text;
    look.separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    look.enabled = (item->state & State_Enabled) != 0;
    look.highlighted = (item->state & State_Selected) != 0;
    look.checked = item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked;
    look.radio = item->checkType == QStyleOptionMenuItem::Exclusive;
    look.showMnemonic = ShowsMnemonics(option, widget);
    const qreal ratio = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
    // Images are drawn in their enabled form whatever the item's state.
    look.image = item->icon.pixmap(QSize(TMenuPainter::ImageSize, TMenuPainter::ImageSize), ratio,
                                   QIcon::Normal);
    painter->save();
    painter->setFont(item->font);
    TMenuPainter(menuImages_, GrayText(option->palette), Face(option))
        .DrawItem(*painter, item->rect, look);
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow(*option);
        arrow.rect = QRect(item->rect.right() - 16, item->rect.top(), 8, item->rect.height());
        arrow.palette.setColor(QPalette::ButtonText, look.highlighted ? Qt::white : Qt::black);
        proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
    painter->restore();
}

void TGlyphwellStyle::DrawMenuMargins(const QStyleOption* option, QPainter* painter) const {
    // The blue strip runs on through the rows above the first item and below the last.
    painter->fillRect(option->rect, kMenuBack);
    painter->fillRect(QRect(option->rect.left() + kMenuFrameWidth, option->rect.top(), kStripWidth,
                            option->rect.height()),
                      kStrip);
}

void TGlyphwellStyle::DrawMenuBarItem(const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item == nullptr) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    const bool highlighted = (item->state & State_Selected) != 0 && (item->state & State_Enabled);
    painter->save();
    painter->setFont(item->font);
    TMenuPainter(menuImages_, GrayText(option->palette), Face(option))
        .DrawTopItem(*painter, item->rect, item->text, highlighted, ShowsMnemonics(option, widget));
    painter->restore();
}

void TGlyphwellStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelMenu:
            painter->fillRect(option->rect, kMenuBack);
            return;
        case PE_FrameMenu:
            painter->save();
            painter->setPen(kMenuFrame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        case PE_PanelMenuBar:
            painter->fillRect(option->rect, Face(option));
            return;
        case PE_IndicatorToolBarSeparator: {
            // An etched line: a shaded one and a white one beside it.
            const QRect& r = option->rect;
            const bool upright = (option->state & State_Horizontal) != 0;
            const QColor dark = Shade(Face(option), kSeparatorShade);
            if (upright) {
                const int x = r.center().x();
                const QRect line(x, r.top() + kSeparatorInset, 1, r.height() - 2 * kSeparatorInset);
                painter->fillRect(line, dark);
                painter->fillRect(line.translated(1, 0), Qt::white);
            } else {
                const int y = r.center().y();
                const QRect line(r.left() + kSeparatorInset, y, r.width() - 2 * kSeparatorInset, 1);
                painter->fillRect(line, dark);
                painter->fillRect(line.translated(0, 1), Qt::white);
            }
            return;
        }
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

QSize TGlyphwellStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                        const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem) {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item != nullptr) {
            return TMenuPainter::ItemSize(size,
                                          item->menuItemType == QStyleOptionMenuItem::Separator);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int TGlyphwellStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    switch (metric) {
        case PM_MenuPanelWidth:
            return kMenuFrameWidth;
        case PM_MenuHMargin:
            return 0;
        case PM_MenuVMargin:
            return kMenuVerticalMargin;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int TGlyphwellStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
    // The keyboard highlights disabled items too; they show their label grey on the highlight.
    if (hint == SH_Menu_AllowActiveAndDisabled) {
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
