#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <string>

// The inline markup of the markup label, walked once for measuring and once for drawing.
// Tags: <b> </b> <i> </i> <u> </u> change the style, <cRRGGBB> saves the colour and sets a new
// one, </c> restores the saved one; letter case does not matter. Text between tags is handed
// over in runs of whole UTF-8 sequences.
class TMarkupWalker {
public:
    struct Handlers {
        std::function<void(const QFont& font)> onFont;
        std::function<void(const QColor& color)> onColor;
        std::function<void(const QString& run)> onText;
    };

    TMarkupWalker(const QFont& font, const QColor& color)
        : font_(font), color_(color), saved_(color) {}

    void Walk(const std::string& text, const Handlers& handlers);

private:
    std::size_t Tag(const std::string& text, std::size_t pos, const Handlers& handlers);
    std::size_t ColorTag(const std::string& text, std::size_t pos, const Handlers& handlers);
    void SetStyle(char tag, bool on, const Handlers& handlers);

    QFont font_;
    QColor color_;
    QColor saved_;
};
