#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>
#include <cstdint>

#include "platform/fonttable.h"

class QPlainTextEdit;

// A scratch window to type freely in one font; its text is not kept.
class TfEdit : public QDialog {
    Q_OBJECT

public:
    explicit TfEdit(QWidget* parent = nullptr);

    // The face to type in (bold, italic and underline of the list are not carried over),
    // the text colour and the background colour.
    void SetEditFont(const QFont& font);
    // The face the font table resolved from a record's full name, at pointSize points.
    void SetEditFace(const platform::ResolvedFace& face, int pointSize);
    void SetEditColors(const QColor& text, const QColor& background);
    void SetEditColors(std::uint32_t textRef, std::uint32_t backgroundRef);

    QPlainTextEdit* Memo = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
