#include "preview/xfontlistview.h"

#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QStringLiteral>
#include <algorithm>

#include "platform/colorref.h"
#include "platform/uifont.h"
#include "preview/quicksearch.h"
#include "render/rowpainter.h"
#include "render/samplefontcache.h"

namespace {

std::uint32_t ColorToBgr(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           (static_cast<std::uint32_t>(color.green()) << 8) |
           (static_cast<std::uint32_t>(color.blue()) << 16);
}

template <class T>
bool Store(T& member, const T& value) {
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

}  // namespace

TXFontListView::TXFontListView(const platform::Services& services, QWidget* parent)
    : QAbstractScrollArea(parent),
      services_(services),
      items_(std::make_unique<TFontList>(false, &services)),
      color_(ColorToBgr(QPalette().color(QPalette::Base))),
      sampleText_(QString::fromUtf8(text_)),
      messageFont_(platform::UiFont(QStringLiteral("MS Sans Serif"), 9)),
      fonts_(std::make_unique<TSampleFontCache>(services.fontTable)),
      rowPainter_(std::make_unique<TRowPainter>(*fonts_, services)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    // Painting covers every pixel, so the background is never erased separately.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            &TXFontListView::ScrollBarAction);
    // The bar's own menu ("Scroll here") and any other direct change of its value set the
    // value without an action; the list follows those too. Its own moves set the bar to
    // TopItem, which then finds nothing to do here.
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, this, &TXFontListView::SetTopItem);
    items_->OnChange = [this](TFontList&) { ItemsChange(); };
    ResetItemHeight();
    ResetHeaderHeight();
    UpdateScrollBar();
}

TXFontListView::~TXFontListView() {
    items_->OnChange = nullptr;
}

void TXFontListView::RepaintIf(bool changed) {
    if (changed) {
        viewport()->update();
    }
}

void TXFontListView::Raise(const TViewNotify& notify) {
    if (notify) {
        notify(*this);
    }
}

// ---- properties

void TXFontListView::SetFontSize(int size) {
    if (size == fontSize_ || size < 5 || size > 100) {
        return;
    }
    fontSize_ = size;
    ResetItemHeight();
    UpdateScrollBar();
    viewport()->update();
    Raise(OnChangeFontSize);
}

void TXFontListView::SetFontStyle(TFontStyles style) {
    RepaintIf(Store(fontStyle_, style));
}

void TXFontListView::SetNameColor(std::uint32_t color) {
    RepaintIf(Store(nameColor_, color));
}

void TXFontListView::SetSelColor(std::uint32_t color) {
    RepaintIf(Store(selColor_, color));
}

void TXFontListView::SetTextColor(std::uint32_t color) {
    RepaintIf(Store(textColor_, color));
}

void TXFontListView::SetColor(std::uint32_t color) {
    RepaintIf(Store(color_, color));
}

void TXFontListView::SetAntiAlias(bool value) {
    RepaintIf(Store(antiAlias_, value));
}

void TXFontListView::SetShowFileInfo(bool value) {
    RepaintIf(Store(showFileInfo_, value));
}

void TXFontListView::SetShowFullPath(bool value) {
    RepaintIf(Store(showFullPath_, value));
}

void TXFontListView::SetOwnSample(bool value) {
    RepaintIf(Store(ownSample_, value));
}

void TXFontListView::SetBorderSingle(bool value) {
    if (Store(borderSingle_, value)) {
        setFrameStyle(value ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    }
}

void TXFontListView::SetText(const std::string& text) {
    if (Store(text_, text)) {
        sampleText_ = QString::fromUtf8(text_);
        viewport()->update();
    }
}

QFont TXFontListView::SampleFont(const TFontInfo& record) const {
    return fonts_->Plain(record.FullName(), fontSize_, fontStyle_).font;
}

// ---- geometry and scrolling

void TXFontListView::ResetItemHeight() {
    const QFontMetrics metrics(platform::UiFont(QStringLiteral("Tahoma"), fontSize_), viewport());
    itemHeight_ = metrics.height() + 40;
    const int height = viewport()->height();
    visibleCount_ = height / itemHeight_ + (height % itemHeight_ != 0 ? 1 : 0);
}

void TXFontListView::ResetHeaderHeight() {
    headerHeight_ =
        QFontMetrics(platform::UiFont(QStringLiteral("MS Sans Serif"), 8), viewport()).height() + 4;
}

void TXFontListView::UpdateScrollBar() {
    // The range runs to the count itself with a page of VisibleCount, so the last position
    // shows the last row whole even when the bottom row is cut off.
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, Count() - visibleCount_ + 1));
    bar->setPageStep(std::max(1, visibleCount_));
    bar->setSingleStep(1);
    bar->setValue(std::max(0, topItem_));
}

bool TXFontListView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        ResetItemHeight();
        UpdateScrollBar();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

// The rows are drawn from TopItem at every paint; shifting pixels would only be redone.
void TXFontListView::scrollContentsBy(int, int) {}

void TXFontListView::ScrollBarAction(int action) {
    QScrollBar* bar = verticalScrollBar();
    int position = topItem_;
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            position -= 1;
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            position += 1;
            break;
        case QAbstractSlider::SliderPageStepSub:
            position -= visibleCount_;
            break;
        case QAbstractSlider::SliderPageStepAdd:
            position += visibleCount_;
            break;
        case QAbstractSlider::SliderToMinimum:
            position = 0;
            break;
        case QAbstractSlider::SliderToMaximum:
            position = Count() - 1;
            break;
        case QAbstractSlider::SliderMove:
            position = bar->sliderPosition();
            break;
        default:
            return;
    }
    if (Count() == 0) {
        return;
    }
    SetTopItem(std::clamp(position, 0, Count() - 1));
    bar->setSliderPosition(topItem_);
}

void TXFontListView::SetTopItem(int index) {
    // An empty list has no rows to scroll to; TopItem stays -1 until it has some.
    if (index == topItem_ || Count() == 0) {
        return;
    }
    topItem_ = std::max(0, std::min(index, Count() - visibleCount_ + 1));
    verticalScrollBar()->setValue(topItem_);
    viewport()->update();
}

void TXFontListView::ScrollTo(int top) {
    if (top == topItem_) {
        viewport()->update();
    } else {
        SetTopItem(top);
    }
}

void TXFontListView::SetItemIndex(int index) {
    const int count = Count();
    if (index == itemIndex_ || count == 0) {
        return;
    }
    const int old = itemIndex_;
    itemIndex_ = std::clamp(index, 0, count - 1);
    if (itemIndex_ < topItem_) {
        ScrollTo(itemIndex_);
        return;
    }
    // A bottom row shown by less than 80 % does not count as visible. With room for less
    // than one whole row the focused row is simply scrolled to the top.
    const int rest = viewport()->height() % itemHeight_;
    const bool partial = rest != 0 && rest * 5 < itemHeight_ * 4 && visibleCount_ > 1;
    const int lastUsable = topItem_ + visibleCount_ - 1 - (partial ? 1 : 0);
    if (itemIndex_ > lastUsable) {
        ScrollTo(itemIndex_ - visibleCount_ + 1 + (partial ? 1 : 0));
        return;
    }
    if (itemIndex_ != old) {
        UpdateRow(old);
        UpdateRow(itemIndex_);
    }
}

void TXFontListView::UpdateRow(int index) {
    if (index < topItem_ || index >= topItem_ + visibleCount_) {
        return;
    }
    viewport()->update(0, (index - topItem_) * itemHeight_, viewport()->width(), itemHeight_);
}

int TXFontListView::GetItemAt(int x, int y) const {
    if (Count() == 0 || !viewport()->rect().contains(x, y)) {
        return -1;
    }
    return y / itemHeight_ + topItem_;
}

// ---- list changes and marks

void TXFontListView::ItemsChange() {
    // Fonts may have come or gone from the font table with the new content.
    fonts_->Clear();
    rowPainter_->ForgetRendered();
    UpdateScrollBar();
    const int count = Count();
    if (count == 0) {
        itemIndex_ = -1;
        topItem_ = -1;
        viewport()->update();
    } else if (itemIndex_ < 0 || itemIndex_ >= count) {
        itemIndex_ = 0;
        ScrollTo(0);
    } else {
        viewport()->update();
    }
    Raise(OnChange);
    Raise(OnChangeSelected);
    qsText_.clear();
}

void TXFontListView::Select(int index, bool deselect) {
    items_->GetItems(index).SetSelected(!deselect);
    UpdateRow(index);
    Raise(OnChangeSelected);
}

void TXFontListView::SelectAll() {
    bool anyMarked = false;
    for (int index = 0; index < Count() && !anyMarked; ++index) {
        anyMarked = items_->GetItems(index).Selected();
    }
    for (int index = 0; index < Count(); ++index) {
        items_->GetItems(index).SetSelected(!anyMarked);
    }
    viewport()->update();
    Raise(OnChangeSelected);
}

void TXFontListView::InvertSelection() {
    for (int index = 0; index < Count(); ++index) {
        TFontInfo& record = items_->GetItems(index);
        record.SetSelected(!record.Selected());
    }
    viewport()->update();
    Raise(OnChangeSelected);
}

void TXFontListView::MarkRange(int from, int to) {
    for (int index = std::min(from, to); index <= std::max(from, to); ++index) {
        items_->GetItems(index).SetSelected(true);
    }
}

// ---- painting

void TXFontListView::paintEvent(QPaintEvent* event) {
    if (items_->GetUpdating()) {
        return;
    }
    QPainter painter(viewport());
    if (Count() == 0) {
        PaintEmpty(painter);
        return;
    }
    if (itemHeight_ < 4) {
        ResetItemHeight();
    }
    ResetHeaderHeight();
    if (topItem_ < 0 || topItem_ >= Count()) {
        topItem_ = 0;
        verticalScrollBar()->setValue(0);
    }
    RowPaintSettings settings;
    settings.width = viewport()->width();
    settings.itemHeight = itemHeight_;
    settings.headerHeight = headerHeight_;
    settings.color = color_;
    settings.nameColor = nameColor_;
    settings.selColor = selColor_;
    settings.textColor = textColor_;
    settings.antiAlias = antiAlias_;
    settings.showFileInfo = showFileInfo_;
    settings.showFullPath = showFullPath_;
    settings.ownSample = ownSample_;
    settings.hasFocus = hasFocus();
    settings.fontSize = fontSize_;
    settings.fontStyle = fontStyle_;
    settings.text = sampleText_;
    rowPainter_->Begin(settings);
    const int last = std::min(Count(), topItem_ + visibleCount_);
    if (QRegion(viewport()->rect()).subtracted(event->region()).isEmpty()) {
        rowPainter_->PaintAll(painter, viewport()->size(), *items_, topItem_, last, itemIndex_);
    } else {
        rowPainter_->PaintRows(painter, viewport()->size(), event->region(), *items_, topItem_,
                               last, itemIndex_);
    }
}

void TXFontListView::PaintEmpty(QPainter& painter) {
    const QRect client = viewport()->rect();
    painter.fillRect(client, ColorFromRef(color_));
    painter.setFont(messageFont_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(client.adjusted(10, 10, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QStringLiteral("There is no font item to display."));
}

void TXFontListView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TXFontListView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// ---- keyboard, mouse and quick search

void TXFontListView::keyPressEvent(QKeyEvent* event) {
    // An empty list does nothing with keys, and does not even pass them on.
    if (Count() == 0) {
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool altHeld = modifiers.testFlag(Qt::AltModifier);
    const bool controlHeld = modifiers.testFlag(Qt::ControlModifier);
    if (!altHeld && !controlHeld) {
        if (modifiers.testFlag(Qt::ShiftModifier)) {
            HandleShiftKey(event->key());
        } else {
            HandlePlainKey(*event);
        }
    }
    emit keyDown(event);
    // Alt combinations are menu keys, never typed characters.
    if (!altHeld && Count() > 0) {
        HandleTyped(event->text(), controlHeld);
    }
}

void TXFontListView::HandlePlainKey(const QKeyEvent& event) {
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    switch (event.key()) {
        case Qt::Key_Space: {
            TFontInfo& record = items_->GetItems(itemIndex_);
            record.SetSelected(!record.Selected());
            Raise(OnChangeSelected);
            const int before = itemIndex_;
            SetItemIndex(itemIndex_ + 1);
            if (itemIndex_ == before) {
                UpdateRow(itemIndex_);
            }
            break;
        }
        case Qt::Key_Down:
            SetItemIndex(itemIndex_ + 1);
            break;
        case Qt::Key_Up:
            SetItemIndex(itemIndex_ - 1);
            break;
        case Qt::Key_PageDown:
            SetItemIndex(itemIndex_ + visibleCount_ - 1);
            break;
        case Qt::Key_PageUp:
            SetItemIndex(itemIndex_ - (visibleCount_ - 1));
            break;
        case Qt::Key_Home:
            SetItemIndex(0);
            break;
        case Qt::Key_End:
            SetItemIndex(Count() - 1);
            break;
        case Qt::Key_Plus:
            if (keypad) {
                SetFontSize(fontSize_ + 1);
            }
            break;
        case Qt::Key_Minus:
            if (keypad) {
                SetFontSize(fontSize_ - 1);
            }
            break;
        default:
            break;
    }
}

void TXFontListView::HandleShiftKey(int key) {
    int next = itemIndex_;
    if (key == Qt::Key_Up && itemIndex_ > 0) {
        next = itemIndex_ - 1;
    } else if (key == Qt::Key_Down && itemIndex_ < Count() - 1) {
        next = itemIndex_ + 1;
    }
    if (next == itemIndex_) {
        return;
    }
    MarkRange(itemIndex_, next);
    SetItemIndex(next);
    Raise(OnChangeSelected);
}

void TXFontListView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    const int index = GetItemAt(at.x(), at.y());
    if (index >= 0) {
        // A click below the last row focuses the last row, but marks only rows that exist.
        const int lastRow = Count() - 1;
        const bool shiftHeld = event->modifiers().testFlag(Qt::ShiftModifier);
        const bool controlHeld = event->modifiers().testFlag(Qt::ControlModifier);
        if (shiftHeld) {
            if (!controlHeld) {
                for (int row = 0; row <= lastRow; ++row) {
                    items_->GetItems(row).SetSelected(false);
                }
            }
            MarkRange(itemIndex_, std::min(index, lastRow));
            viewport()->update();
            Raise(OnChangeSelected);
        } else if (controlHeld && index <= lastRow) {
            TFontInfo& record = items_->GetItems(index);
            record.SetSelected(!record.Selected());
            Raise(OnChangeSelected);
        }
        if (index == itemIndex_) {
            UpdateRow(index);
        } else {
            SetItemIndex(index);
        }
    }
    emit mouseDown(event);
}

void TXFontListView::HandleTyped(const QString& text, bool controlHeld) {
    for (const char32_t code : text.toUcs4()) {
        // With Ctrl held only control characters reach the search (they cancel it);
        // Ctrl with a printable key is a shortcut, not typing.
        if (controlHeld && code >= U' ') {
            continue;
        }
        HandleCharacter(code);
    }
}

void TXFontListView::HandleCharacter(char32_t code) {
    if (code == U'\b') {
        if (qsText_.empty()) {
            return;
        }
        quicksearch::RemoveLastCharacter(qsText_);
        QuickSearch(std::string());
        return;
    }
    if (!quicksearch::Accepts(code)) {
        DoQSChange(std::string());
        return;
    }
    const std::string typed(1, static_cast<char>(code));
    qsText_ += typed;
    QuickSearch(typed);
}

void TXFontListView::inputMethodEvent(QInputMethodEvent* event) {
    // Composed text arrives whole; its UTF-8 sequences are appended as they are.
    const std::string composed = event->commitString().toStdString();
    if (Count() > 0 && !composed.empty()) {
        qsText_ += composed;
        QuickSearch(composed);
    }
    event->accept();
}

QVariant TXFontListView::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled) {
        return true;
    }
    return QAbstractScrollArea::inputMethodQuery(query);
}

void TXFontListView::QuickSearch(const std::string& lastTyped) {
    int found = quicksearch::Find(*items_, itemIndex_, qsText_, true);
    if (found < 0 && lastTyped.size() < qsText_.size()) {
        // Nothing goes on with the text so far: start a new search with the last key.
        qsText_ = lastTyped;
        found = quicksearch::Find(*items_, itemIndex_, qsText_, false);
    }
    if (found < 0) {
        qsText_.clear();
    } else {
        SetItemIndex(found);
    }
    DoQSChange(qsText_);
}

void TXFontListView::DoQSChange(const std::string& text) {
    qsText_ = text;
    Raise(OnChangeQS);
}
