#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QToolButton;
class TColorBox;
class TXFontListView;

namespace platform {
class Dialogs;
}

// The sample-text bar above the font list: the sample text with its history, the three
// colour boxes (text, background, names), the bold, italic and underline buttons and the
// size box. Everything it edits is the view's: what is typed or chosen goes to the view at
// once, and ShowViewSettings shows the view's settings.
class TSampleBar : public QWidget {
    Q_OBJECT

public:
    // The colour boxes ask dialogs for a colour.
    TSampleBar(TXFontListView& view, platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the view's text, size and colours; the text itself is never stored, so every run
    // starts with the view's own.
    void ShowViewSettings();
    // Presses the style buttons as the view's style is.
    void ShowStyle();
    // Shows the view's size, after the view changed it.
    void ShowFontSize();
    // Toggles the style button of tag (0 bold, 1 italic, 2 underline) and the view's style.
    void ToggleStyle(int tag);

    // The sample texts of the drop-down list, kept between runs.
    std::vector<std::string> History() const;
    void SetHistory(const std::vector<std::string>& texts);
    // The sample-text box, for the editor of the sample texts, which refills its list.
    QComboBox& SampleTextBox() { return *cbString_; }
    // The size box's text as typed: printing reads its own size from it.
    std::string FontSizeText() const;

    // The label or the text box asks for the sample text's context menu at globalPos.
    std::function<void(QPoint globalPos)> OnContextMenu;

private:
    QWidget* BuildStyleButtons();
    void StyleClick(QToolButton* button);
    void ColorClick(TColorBox& box);
    void SizeChange(const QString& text);

    TXFontListView& view_;
    platform::Dialogs& dialogs_;
    QLabel* lbText_;
    QComboBox* cbString_;
    TColorBox* sForeColor_ = nullptr;
    TColorBox* sBackColor_ = nullptr;
    TColorBox* sFontNameColor_ = nullptr;
    QToolButton* styleButtons_[3] = {};
    QComboBox* cbFontSize_;
};
