#pragma once

#include <cstdint>
#include <optional>

#include "controls/btnstatusbar.h"

// The main window's status texts: the number of fonts in the list, and what is marked (with
// the files' total size where the fonts are files).
class TMainStatusBar : public TBtnStatusBar {
    Q_OBJECT

public:
    explicit TMainStatusBar(QWidget* parent = nullptr);

    void ShowFontCount(int count);
    // bytes: the marked files' total size; none for screen fonts, which have no files.
    void ShowMarked(int count, std::optional<std::uint64_t> bytes);

private:
    void SetText(int index, const QString& text);
};
