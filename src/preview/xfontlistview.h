#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QImage>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "catalogue/fontlist.h"
#include "platform/services.h"
#include "render/fontstyle.h"

class QKeyEvent;
class QMouseEvent;
class QInputMethodEvent;
class TSampleFontCache;
class TRowPainter;

class TXFontListView;
using TViewNotify = std::function<void(TXFontListView& sender)>;

// The preview list: one row per record of its own font list, each with a shaded name band
// and a line of sample text drawn in that very face, plain or anti-aliased. Focus, marks,
// keys, mouse, scrolling and type-ahead search are handled here; the main window listens to
// the notifications. Colours are 0x00BBGGRR values, as stored in the settings file.
class TXFontListView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TXFontListView(const platform::Services& services, QWidget* parent = nullptr);
    ~TXFontListView() override;

    TFontList& Items() { return *items_; }

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int TopItem() const { return topItem_; }
    void SetTopItem(int index);
    int ItemHeight() const { return itemHeight_; }
    int HeaderHeight() const { return headerHeight_; }
    int VisibleCount() const { return visibleCount_; }
    int GetItemAt(int x, int y) const;

    int FontSize() const { return fontSize_; }
    void SetFontSize(int size);
    TFontStyles FontStyle() const { return fontStyle_; }
    void SetFontStyle(TFontStyles style);
    std::uint32_t NameColor() const { return nameColor_; }
    void SetNameColor(std::uint32_t color);
    std::uint32_t SelColor() const { return selColor_; }
    void SetSelColor(std::uint32_t color);
    std::uint32_t TextColor() const { return textColor_; }
    void SetTextColor(std::uint32_t color);
    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);
    bool AntiAlias() const { return antiAlias_; }
    void SetAntiAlias(bool value);
    bool ShowFileInfo() const { return showFileInfo_; }
    void SetShowFileInfo(bool value);
    bool ShowFullPath() const { return showFullPath_; }
    void SetShowFullPath(bool value);
    // A row whose face has none of the sample's letters draws a sample the face covers.
    bool OwnSample() const { return ownSample_; }
    void SetOwnSample(bool value);
    bool BorderSingle() const { return borderSingle_; }
    void SetBorderSingle(bool value);
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const std::string& QSText() const { return qsText_; }

    void Select(int index, bool deselect);
    void SelectAll();
    void InvertSelection();
    void QuickSearch(const std::string& lastTyped);
    void DoQSChange(const std::string& text);

    // The font a record's sample is drawn with (its own face through the font table).
    QFont SampleFont(const TFontInfo& record) const;

    TViewNotify OnChange;
    TViewNotify OnChangeSelected;
    TViewNotify OnChangeFontSize;
    TViewNotify OnChangeQS;

signals:
    // Raised after the control's own handling, like the ordinary key and mouse events.
    void keyDown(QKeyEvent* event);
    void mouseDown(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Count() const { return items_->GetCount(); }
    void Raise(const TViewNotify& notify);
    void ItemsChange();
    void ResetItemHeight();
    void ResetHeaderHeight();
    void UpdateScrollBar();
    void ScrollBarAction(int action);
    void ScrollTo(int top);
    void UpdateRow(int index);
    void PaintEmpty(QPainter& painter);
    void RepaintIf(bool changed);
    void HandlePlainKey(const QKeyEvent& event);
    void HandleShiftKey(int key);
    void HandleTyped(const QString& text, bool controlHeld);
    void HandleCharacter(char32_t code);
    void MarkRange(int from, int to);

    const platform::Services& services_;
    std::unique_ptr<TFontList> items_;
    int itemIndex_ = -1;
    int topItem_ = -1;
    int itemHeight_ = 0;
    int headerHeight_ = 0;
    int visibleCount_ = 0;
    int fontSize_ = 16;
    TFontStyles fontStyle_ = 0;
    std::uint32_t nameColor_ = 16743747;
    std::uint32_t selColor_ = 33023;
    std::uint32_t textColor_ = 0;
    std::uint32_t color_ = 0xFFFFFF;
    bool antiAlias_ = false;
    bool showFileInfo_ = true;
    bool showFullPath_ = false;
    bool ownSample_ = false;
    bool borderSingle_ = true;
    std::string text_ = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890";
    std::string qsText_;
    QString sampleText_;
    QFont messageFont_;
    std::unique_ptr<TSampleFontCache> fonts_;
    std::unique_ptr<TRowPainter> rowPainter_;
};
